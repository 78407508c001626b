// Owners of system handles: each closes its handle exactly once, when it
// goes out of scope or is reset.  Move-only.
#pragma once

#include <windows.h>

#include <utility>

namespace platform::win32 {

template <typename Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle h) : h_(h) {}
    ~UniqueHandle() { reset(); }
    UniqueHandle(UniqueHandle&& o) noexcept : h_(std::exchange(o.h_, Traits::Invalid())) {}
    UniqueHandle& operator=(UniqueHandle&& o) noexcept {
        if (this != &o) {
            reset();
            h_ = std::exchange(o.h_, Traits::Invalid());
        }
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Handle get() const { return h_; }
    explicit operator bool() const { return h_ != Traits::Invalid(); }
    // For functions that hand out a handle through a pointer argument.
    Handle* put() {
        reset();
        return &h_;
    }
    void reset(Handle h = Traits::Invalid()) {
        if (h_ != Traits::Invalid()) Traits::Close(h_);
        h_ = h;
    }
    Handle release() { return std::exchange(h_, Traits::Invalid()); }

private:
    Handle h_ = Traits::Invalid();
};

struct KernelHandleTraits {  // CreateFileA and friends: invalid is INVALID_HANDLE_VALUE
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle h) { ::CloseHandle(h); }
};

struct ObjectHandleTraits {  // processes, threads, events: invalid is null
    using Handle = HANDLE;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { ::CloseHandle(h); }
};

struct FindHandleTraits {  // FindFirstFileA
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle h) { ::FindClose(h); }
};

struct RegKeyTraits {  // RegOpenKeyExA, RegCreateKeyExA
    using Handle = HKEY;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { ::RegCloseKey(h); }
};

using UniqueFile = UniqueHandle<KernelHandleTraits>;
using UniqueObject = UniqueHandle<ObjectHandleTraits>;
using UniqueFind = UniqueHandle<FindHandleTraits>;
using UniqueRegKey = UniqueHandle<RegKeyTraits>;

}  // namespace platform::win32
