// The panel window on GDI and USER: its client area as a drawing surface
// (the window's DC, or the paint DC while WM_PAINT runs), its size and
// repaint, its three cursors, the mouse capture and its popup menus.
#pragma once

#include <windows.h>

#include <array>

#include "platform/PanelInput.h"
#include "platform/PanelView.h"

namespace platform::win32 {

// The window's client area as the target of copies.  Outside WM_PAINT each
// copy takes the window's DC for its duration.
class WindowSurface final : public Surface {
public:
    void SetWindow(HWND w) { window_ = w; }
    void SetPaintDc(HDC dc) { paintDc_ = dc; }

    int Width() const override;
    int Height() const override;
    // Into the window; a window surface is never a source.
    void Blit(int dx, int dy, int w, int h, const Surface& src, int sx, int sy) override;

private:
    HWND window_ = nullptr;
    HDC paintDc_ = nullptr;
};

class Win32PanelView final : public PanelView, public PanelInput {
public:
    explicit Win32PanelView(HINSTANCE instance) : instance_(instance) {}
    ~Win32PanelView() override { ReleaseCursors(); }
    Win32PanelView(const Win32PanelView&) = delete;
    Win32PanelView& operator=(const Win32PanelView&) = delete;

    // The panel window, once it exists.
    void SetWindow(HWND w) {
        window_ = w;
        screen_.SetWindow(w);
    }
    HWND Window() const { return window_; }

    // Between BeginPaint and EndPaint the screen draws into the paint DC.
    class PaintScope {
    public:
        PaintScope(Win32PanelView& view, HWND w);
        ~PaintScope();
        PaintScope(const PaintScope&) = delete;
        PaintScope& operator=(const PaintScope&) = delete;

    private:
        Win32PanelView& view_;
        HWND window_;
        PAINTSTRUCT ps_{};
    };

    // PanelView.
    Surface& Screen() override { return screen_; }
    void Resize(int width, int height) override;
    void Repaint() override;
    void LoadCursors() override;
    void ReleaseCursors() override;

    // PanelInput.
    void CaptureMouse(WindowId w) override;
    void ReleaseMouse() override;
    void SetCursorShape(CursorShape shape) override;
    void Invalidate(WindowId w) override;
    void PopupMenu(WindowId owner, int menuId, const std::vector<MenuItemText>& items) override;

private:
    HINSTANCE instance_;
    HWND window_ = nullptr;
    WindowSurface screen_;
    std::array<HCURSOR, 3> cursors_{};  // normal, pressed, move; owned (not shared)
};

}  // namespace platform::win32
