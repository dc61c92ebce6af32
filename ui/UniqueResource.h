// Ownership of Win32 handles: each kind of handle is closed by exactly one destructor.
#pragma once

#include <windows.h>

#include <utility>

template <typename Traits>
class UniqueResource {
public:
    using Type = typename Traits::Type;

    UniqueResource() = default;
    explicit UniqueResource(Type value) : m_value(value) {}
    ~UniqueResource() { reset(); }
    UniqueResource(UniqueResource&& other) noexcept : m_value(other.release()) {}
    UniqueResource& operator=(UniqueResource&& other) noexcept
    {
        if (this != &other) reset(other.release());
        return *this;
    }
    UniqueResource(const UniqueResource&) = delete;
    UniqueResource& operator=(const UniqueResource&) = delete;

    Type get() const { return m_value; }
    explicit operator bool() const { return Traits::Valid(m_value); }
    Type release() { return std::exchange(m_value, Traits::Invalid()); }
    void reset(Type value = Traits::Invalid())
    {
        Type old = std::exchange(m_value, value);
        if (Traits::Valid(old)) Traits::Close(old);
    }

private:
    Type m_value = Traits::Invalid();
};

template <typename T, typename Closer>
struct NullIsInvalid {
    using Type = T;
    static T Invalid() { return nullptr; }
    static bool Valid(T value) { return value != nullptr; }
    static void Close(T value) { Closer{}(value); }
};

struct CloseKernelHandle { void operator()(HANDLE h) const { CloseHandle(h); } };
struct FreeModule { void operator()(HMODULE h) const { FreeLibrary(h); } };
struct DestroyMenuHandle { void operator()(HMENU h) const { DestroyMenu(h); } };
struct DestroyIconHandle { void operator()(HICON h) const { DestroyIcon(h); } };
struct DeleteGdiObject { void operator()(HGDIOBJ h) const { DeleteObject(h); } };
struct UnmapView { void operator()(void* view) const { UnmapViewOfFile(view); } };
struct UnhookHook { void operator()(HHOOK h) const { UnhookWindowsHookEx(h); } };

// Kernel handles that use null for "none" (mutexes, mappings, threads, events).
using UniqueHandle = UniqueResource<NullIsInvalid<HANDLE, CloseKernelHandle>>;
using UniqueModule = UniqueResource<NullIsInvalid<HMODULE, FreeModule>>;
using UniqueMenu = UniqueResource<NullIsInvalid<HMENU, DestroyMenuHandle>>;
using UniqueIcon = UniqueResource<NullIsInvalid<HICON, DestroyIconHandle>>;
using UniqueView = UniqueResource<NullIsInvalid<void*, UnmapView>>;
using UniqueHook = UniqueResource<NullIsInvalid<HHOOK, UnhookHook>>;
template <typename T>
using UniqueGdi = UniqueResource<NullIsInvalid<T, DeleteGdiObject>>;

// Files and pipes use INVALID_HANDLE_VALUE for "none".
struct FileHandleTraits {
    using Type = HANDLE;
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static bool Valid(HANDLE h) { return h != INVALID_HANDLE_VALUE && h != nullptr; }
    static void Close(HANDLE h) { CloseHandle(h); }
};
using UniqueFile = UniqueResource<FileHandleTraits>;
