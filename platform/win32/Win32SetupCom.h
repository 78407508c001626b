// Owners for COM: an interface pointer released once, and the thread's COM
// initialisation undone only when this scope did it.
#pragma once

#include <windows.h>

#include <objbase.h>

#include <utility>

namespace platform::win32 {

template <typename Interface>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() { reset(); }
    ComPtr(ComPtr&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
    ComPtr& operator=(ComPtr&& o) noexcept {
        if (this != &o) {
            reset();
            p_ = std::exchange(o.p_, nullptr);
        }
        return *this;
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;

    Interface* get() const { return p_; }
    Interface* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    // For functions that hand out an interface through a pointer argument.
    void** put() {
        reset();
        return reinterpret_cast<void**>(&p_);
    }
    void reset() {
        if (p_) std::exchange(p_, nullptr)->Release();
    }

private:
    Interface* p_ = nullptr;
};

class ComScope {
public:
    ComScope() : hr_(::CoInitialize(nullptr)) {}
    ~ComScope() {
        if (SUCCEEDED(hr_)) ::CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    HRESULT hr_;
};

// A library loaded for the scope, freed once.
class LoadedLibrary {
public:
    explicit LoadedLibrary(const char* name) : module_(::LoadLibraryA(name)) {}
    ~LoadedLibrary() {
        if (module_) ::FreeLibrary(module_);
    }
    LoadedLibrary(const LoadedLibrary&) = delete;
    LoadedLibrary& operator=(const LoadedLibrary&) = delete;

    explicit operator bool() const { return module_ != nullptr; }
    template <typename Function>
    Function Get(const char* name) const {
        return module_ ? reinterpret_cast<Function>(reinterpret_cast<void (*)()>(::GetProcAddress(module_, name)))
                       : nullptr;
    }

private:
    HMODULE module_;
};

}  // namespace platform::win32
