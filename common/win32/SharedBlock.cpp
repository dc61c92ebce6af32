#include "win32/SharedBlock.h"

#include <cstring>

#include "DebugLog.h"
#include "ProcessLink.h"

SharedBlock::CreateResult SharedBlock::Create()
{
    m_mutex.reset(CreateMutexA(nullptr, FALSE, kBlockMutexName));
    if (!m_mutex || GetLastError() == ERROR_ALREADY_EXISTS) {
        m_mutex.reset();
        return CreateResult::MutexExists;
    }
    m_mapping.reset(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(SettingsBlock),
                                       kMappingName));
    if (!m_mapping) {
        DebugLog("SharedBlock: cannot create the mapping (%lu)\n", GetLastError());
        return CreateResult::NoMapping;
    }
    m_view.reset(MapViewOfFile(m_mapping.get(), FILE_MAP_ALL_ACCESS, 0, 0, sizeof(SettingsBlock)));
    if (!m_view) {
        DebugLog("SharedBlock: cannot map the view (%lu)\n", GetLastError());
        m_mapping.reset();
        return CreateResult::NoMapping;
    }
    return CreateResult::Created;
}

bool SharedBlock::Open()
{
    OpenBlockMutex();
    return OpenMapping() == OpenResult::Opened;
}

void SharedBlock::OpenBlockMutex() { m_mutex.reset(::OpenMutexA(MUTEX_ALL_ACCESS, FALSE, kBlockMutexName)); }

SharedBlock::OpenResult SharedBlock::OpenMapping()
{
    m_mapping.reset(OpenFileMappingA(FILE_MAP_READ | FILE_MAP_WRITE, FALSE, kMappingName));
    if (!m_mapping) return OpenResult::NoMapping;
    m_view.reset(MapViewOfFile(m_mapping.get(), FILE_MAP_ALL_ACCESS, 0, 0, 0));
    if (!m_view) {
        m_mapping.reset();
        return OpenResult::NoView;
    }
    return OpenResult::Opened;
}

namespace {

// A holder that died inside its copy leaves the mutex abandoned: the wait still owns it, and
// it must be released like any other, or the other process could never copy again.
bool Own(HANDLE mutex)
{
    const DWORD result = WaitForSingleObject(mutex, INFINITE);
    return result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
}

}  // namespace

bool SharedBlock::Read(SettingsBlock* destination) const
{
    if (!m_view || !Own(m_mutex.get())) return false;
    std::memcpy(destination, m_view.get(), sizeof *destination);
    ReleaseMutex(m_mutex.get());
    return true;
}

bool SharedBlock::Write(const SettingsBlock* source) const
{
    if (!m_view || !Own(m_mutex.get())) return false;
    std::memcpy(m_view.get(), source, sizeof *source);
    ReleaseMutex(m_mutex.get());
    return true;
}

void SharedBlock::Close()
{
    m_view.reset();
    m_mapping.reset();
    m_mutex.reset();
}
