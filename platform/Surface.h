// Drawing surfaces (shape): memory bitmaps loaded from skin files, copied
// rectangle by rectangle to each other and to the window.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace platform {

class Surface {
public:
    virtual ~Surface() = default;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // Copies w x h pixels from (sx, sy) of src to (dx, dy) of this surface (BitBlt SRCCOPY).
    virtual void Blit(int dx, int dy, int w, int h, const Surface& src, int sx, int sy) = 0;
};

class Graphics {
public:
    virtual ~Graphics() = default;
    virtual std::unique_ptr<Surface> LoadBitmapFile(const std::string& path) = 0;  // LoadImageA
    virtual std::unique_ptr<Surface> CreateSurface(int w, int h) = 0;
};

}  // namespace platform
