// Drawing surfaces on GDI: each memory surface is a bitmap selected into a
// memory device context of its own, and copies between surfaces are
// BitBlt SRCCOPY.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "platform/Surface.h"

namespace platform::win32 {

// A bitmap selected into a memory DC.  Owns both; on destruction the DC's
// original bitmap goes back in before either is deleted.
class MemorySurface final : public Surface {
public:
    // Takes ownership of `bitmap`; nullptr when no memory DC can be made
    // (the bitmap is then deleted).
    static std::unique_ptr<MemorySurface> Adopt(HBITMAP bitmap);
    ~MemorySurface() override;
    MemorySurface(const MemorySurface&) = delete;
    MemorySurface& operator=(const MemorySurface&) = delete;

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void Blit(int dx, int dy, int w, int h, const Surface& src, int sx, int sy) override;

    HDC Dc() const { return dc_; }

private:
    MemorySurface(HDC dc, HBITMAP bitmap, HGDIOBJ original, int width, int height)
        : dc_(dc), bitmap_(bitmap), original_(original), width_(width), height_(height) {}

    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ original_;
    int width_;
    int height_;
};

// Copies w x h pixels from a memory surface into `target` (BitBlt SRCCOPY).
// A source that is not a memory surface copies nothing.
void BlitFrom(HDC target, int dx, int dy, int w, int h, const Surface& src, int sx, int sy);

// LoadImageA (LR_LOADFROMFILE | LR_CREATEDIBSECTION) and blank surfaces
// compatible with the screen.
class Win32Graphics final : public Graphics {
public:
    std::unique_ptr<Surface> LoadBitmapFile(const std::string& path) override;
    std::unique_ptr<Surface> CreateSurface(int w, int h) override;
};

}  // namespace platform::win32
