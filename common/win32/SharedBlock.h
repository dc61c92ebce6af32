// The settings block shared between Monitor and Option: a named mapping of exactly one block
// and the named mutex that guards every copy into or out of it.
#pragma once

#include "SettingsBlock.h"
#include "UniqueResource.h"

class SharedBlock {
public:
    // Monitor: creates the mutex (false when it existed already) and the mapping. The mapping
    // gets the creating user's default security, so only that user's processes open it.
    enum class CreateResult { Created, MutexExists, NoMapping };
    CreateResult Create();
    // Option: opens what a running Monitor created. false when there is no mapping.
    bool Open();
    // The two halves of Open, for a caller that does other work between them and tells a
    // missing mapping from one that cannot be mapped.
    void OpenBlockMutex();
    enum class OpenResult { Opened, NoMapping, NoView };
    OpenResult OpenMapping();

    bool HasMutex() const { return static_cast<bool>(m_mutex); }
    bool HasView() const { return static_cast<bool>(m_view); }

    // One copy under the mutex; false (nothing copied) when the mutex cannot be owned.
    bool Read(SettingsBlock* destination) const;
    bool Write(const SettingsBlock* source) const;

    void Close();

private:
    UniqueHandle m_mutex;
    UniqueHandle m_mapping;
    UniqueView m_view;
};
