#include "platform/win32/Win32Graphics.h"

namespace platform::win32 {

std::unique_ptr<MemorySurface> MemorySurface::Adopt(HBITMAP bitmap) {
    if (bitmap == nullptr) return nullptr;
    BITMAP info{};
    HDC dc = ::CreateCompatibleDC(nullptr);
    if (dc == nullptr || ::GetObjectA(bitmap, sizeof info, &info) == 0) {
        if (dc != nullptr) ::DeleteDC(dc);
        ::DeleteObject(bitmap);
        return nullptr;
    }
    HGDIOBJ original = ::SelectObject(dc, bitmap);
    if (original == nullptr || original == HGDI_ERROR) {
        ::DeleteDC(dc);
        ::DeleteObject(bitmap);
        return nullptr;
    }
    return std::unique_ptr<MemorySurface>(new MemorySurface(dc, bitmap, original, info.bmWidth, info.bmHeight));
}

MemorySurface::~MemorySurface() {
    ::SelectObject(dc_, original_);
    ::DeleteDC(dc_);
    ::DeleteObject(bitmap_);
}

void MemorySurface::Blit(int dx, int dy, int w, int h, const Surface& src, int sx, int sy) {
    BlitFrom(dc_, dx, dy, w, h, src, sx, sy);
}

void BlitFrom(HDC target, int dx, int dy, int w, int h, const Surface& src, int sx, int sy) {
    const auto* memory = dynamic_cast<const MemorySurface*>(&src);
    if (target == nullptr || memory == nullptr || w <= 0 || h <= 0) return;
    ::BitBlt(target, dx, dy, w, h, memory->Dc(), sx, sy, SRCCOPY);
}

std::unique_ptr<Surface> Win32Graphics::LoadBitmapFile(const std::string& path) {
    auto bitmap = static_cast<HBITMAP>(
        ::LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    return MemorySurface::Adopt(bitmap);
}

std::unique_ptr<Surface> Win32Graphics::CreateSurface(int w, int h) {
    HDC screen = ::GetDC(nullptr);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, w > 0 ? w : 1, h > 0 ? h : 1);
    ::ReleaseDC(nullptr, screen);
    std::unique_ptr<MemorySurface> surface = MemorySurface::Adopt(bitmap);
    // A new bitmap's pixels are undefined: a blank surface is black.
    if (surface) ::PatBlt(surface->Dc(), 0, 0, surface->Width(), surface->Height(), BLACKNESS);
    return surface;
}

}  // namespace platform::win32
