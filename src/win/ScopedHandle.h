#pragma once
// One raw Win32 handle, freed once when its holder goes, however the code
// that took it ends. A kind of handle is a small type that names the handle
// type, the value that holds nothing, and how one is freed:
//
//     struct Kind {
//         using Handle = ...;
//         static Handle Invalid();
//         static bool IsValid(const Handle&);
//         static void Free(Handle&);
//     };
#include <windows.h>

template <typename Kind>
class ScopedHandle {
public:
    using Handle = typename Kind::Handle;

    ScopedHandle() = default;
    explicit ScopedHandle(Handle handle) : handle_(handle) {}
    ~ScopedHandle() { Reset(); }
    ScopedHandle(ScopedHandle&& other) noexcept : handle_(other.Release()) {}
    ScopedHandle& operator=(ScopedHandle&& other) noexcept
    {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;

    Handle Get() const { return handle_; }
    // For calls that take the handle by its address and use it in place
    // (SSPI's): never to put another handle there.
    Handle* Address() { return &handle_; }
    explicit operator bool() const { return Kind::IsValid(handle_); }

    // Frees what is held and gives the place a call fills in.
    Handle* Receive()
    {
        Reset();
        return &handle_;
    }
    // Hands the handle over: this holder no longer frees it.
    Handle Release()
    {
        const Handle handle = handle_;
        handle_ = Kind::Invalid();
        return handle;
    }
    void Reset(Handle handle = Kind::Invalid())
    {
        if (Kind::IsValid(handle_))
            Kind::Free(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = Kind::Invalid();
};

// A kind whose handle holds nothing as one value.
template <typename H, H (*invalid)(), void (*release)(H)>
struct PlainHandleKind {
    using Handle = H;
    static Handle Invalid() { return invalid(); }
    static bool IsValid(const Handle& handle) { return handle != invalid(); }
    static void Free(Handle& handle) { release(handle); }
};

namespace HandleKinds {
inline HANDLE NoHandle() { return nullptr; }
inline HANDLE NoFile() { return INVALID_HANDLE_VALUE; }
inline HDC NoDc() { return nullptr; }
inline HKEY NoKey() { return nullptr; }
inline HGDIOBJ NoObject() { return nullptr; }
inline void Close(HANDLE handle) { CloseHandle(handle); }
inline void CloseFind(HANDLE handle) { FindClose(handle); }
inline void Delete(HDC dc) { DeleteDC(dc); }
inline void ReleaseScreen(HDC dc) { ReleaseDC(nullptr, dc); }
inline void CloseKey(HKEY key) { RegCloseKey(key); }
inline void DeleteGdiObject(HGDIOBJ object) { DeleteObject(object); }
}  // namespace HandleKinds

// Processes, threads, tokens, mutexes: null holds nothing.
using KernelHandle = ScopedHandle<PlainHandleKind<HANDLE, HandleKinds::NoHandle, HandleKinds::Close>>;
// CreateFile's handles, and FindFirstFile's searches: INVALID_HANDLE_VALUE
// holds nothing.
using FileHandle = ScopedHandle<PlainHandleKind<HANDLE, HandleKinds::NoFile, HandleKinds::Close>>;
using FileSearch = ScopedHandle<PlainHandleKind<HANDLE, HandleKinds::NoFile, HandleKinds::CloseFind>>;
// A DC made by CreateCompatibleDC or CreateDC.
using MemoryDc = ScopedHandle<PlainHandleKind<HDC, HandleKinds::NoDc, HandleKinds::Delete>>;
// The screen's DC, from GetDC(nullptr).
using ScreenDc = ScopedHandle<PlainHandleKind<HDC, HandleKinds::NoDc, HandleKinds::ReleaseScreen>>;
// A font, bitmap, pen or brush this code made.
using GdiObject = ScopedHandle<PlainHandleKind<HGDIOBJ, HandleKinds::NoObject, HandleKinds::DeleteGdiObject>>;
using RegistryKey = ScopedHandle<PlainHandleKind<HKEY, HandleKinds::NoKey, HandleKinds::CloseKey>>;
