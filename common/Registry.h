// The few registry operations the pointer settings need, behind an interface so that the
// read and write rules can be tested without a real registry.
#pragma once

#include <cstddef>
#include <memory>

class Registry {
public:
    // An open key under HKEY_CURRENT_USER; closed when destroyed.
    class Key {
    public:
        virtual ~Key() = default;
        // Copies a REG_SZ value, NUL-terminated, into buffer. False when the value is missing,
        // is not text, or does not fit (with its NUL) into size bytes; buffer is then untouched.
        virtual bool ReadText(const char* name, char* buffer, size_t size) = 0;
        // Stores text as REG_SZ, sized without its terminating NUL. False on failure.
        virtual bool WriteText(const char* name, const char* text) = 0;
    };

    virtual ~Registry() = default;
    // Opens the key (path relative to HKEY_CURRENT_USER), creating it when it does not exist;
    // null when it can be neither opened nor created.
    virtual std::unique_ptr<Key> OpenOrCreate(const char* path) = 0;
};
