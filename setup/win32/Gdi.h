// Owners of GDI objects, deleted once when they go out of scope.
#pragma once

#include "setup/win32/Win.h"

#include <utility>

namespace setup::win32 {

template <typename Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle h) : h_(h) {}
    ~GdiObject() { reset(); }
    GdiObject(GdiObject&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
    GdiObject& operator=(GdiObject&& o) noexcept {
        if (this != &o) {
            reset();
            h_ = std::exchange(o.h_, nullptr);
        }
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    Handle get() const { return h_; }
    explicit operator bool() const { return h_ != nullptr; }
    void reset(Handle h = nullptr) {
        if (h_) ::DeleteObject(h_);
        h_ = h;
    }

private:
    Handle h_ = nullptr;
};

// An object selected into a device context for the scope.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ object) : dc_(dc), old_(::SelectObject(dc, object)) {}
    ~Selected() { ::SelectObject(dc_, old_); }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// A memory device context compatible with another, deleted at the end.
class MemoryDc {
public:
    explicit MemoryDc(HDC like) : dc_(::CreateCompatibleDC(like)) {}
    ~MemoryDc() {
        if (dc_) ::DeleteDC(dc_);
    }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HDC dc_;
};

// Fills a rectangle with a solid colour.
inline void FillSolid(HDC dc, const RECT& r, COLORREF colour) {
    const GdiObject<HBRUSH> brush(::CreateSolidBrush(colour));
    if (brush) ::FillRect(dc, &r, brush.get());
}

}  // namespace setup::win32
