#include "platform/win32/Win32PanelView.h"

#include "platform/win32/Win32Graphics.h"

namespace platform::win32 {
namespace {

constexpr int kCursorIds[3] = {132, 135, 136};  // normal, pressed, move

HWND H(WindowId w) { return reinterpret_cast<HWND>(w); }

std::size_t IndexOf(CursorShape shape) {
    switch (shape) {
        case CursorShape::Pressed: return 1;
        case CursorShape::Move: return 2;
        default: return 0;
    }
}

// Owner of a loaded menu: destroyed with its submenus when it goes.
class MenuOwner {
public:
    explicit MenuOwner(HMENU menu) : menu_(menu) {}
    ~MenuOwner() {
        if (menu_ != nullptr) ::DestroyMenu(menu_);
    }
    MenuOwner(const MenuOwner&) = delete;
    MenuOwner& operator=(const MenuOwner&) = delete;
    HMENU get() const { return menu_; }

private:
    HMENU menu_;
};

}  // namespace

int WindowSurface::Width() const {
    RECT r{};
    if (window_ == nullptr || !::GetClientRect(window_, &r)) return 0;
    return r.right - r.left;
}

int WindowSurface::Height() const {
    RECT r{};
    if (window_ == nullptr || !::GetClientRect(window_, &r)) return 0;
    return r.bottom - r.top;
}

void WindowSurface::Blit(int dx, int dy, int w, int h, const Surface& src, int sx, int sy) {
    if (paintDc_ != nullptr) {
        BlitFrom(paintDc_, dx, dy, w, h, src, sx, sy);
        return;
    }
    if (window_ == nullptr) return;
    HDC dc = ::GetDC(window_);
    if (dc == nullptr) return;
    BlitFrom(dc, dx, dy, w, h, src, sx, sy);
    ::ReleaseDC(window_, dc);
}

Win32PanelView::PaintScope::PaintScope(Win32PanelView& view, HWND w) : view_(view), window_(w) {
    view_.screen_.SetPaintDc(::BeginPaint(w, &ps_));
}

Win32PanelView::PaintScope::~PaintScope() {
    view_.screen_.SetPaintDc(nullptr);
    ::EndPaint(window_, &ps_);
}

void Win32PanelView::Resize(int width, int height) {
    if (window_ == nullptr) return;
    ::SetWindowPos(window_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32PanelView::Repaint() {
    if (window_ == nullptr) return;
    ::InvalidateRect(window_, nullptr, FALSE);
    ::UpdateWindow(window_);
}

void Win32PanelView::LoadCursors() {
    std::array<HCURSOR, 3> loaded{};
    for (std::size_t i = 0; i < loaded.size(); ++i) {
        loaded[i] = static_cast<HCURSOR>(
            ::LoadImageA(instance_, MAKEINTRESOURCEA(kCursorIds[i]), IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE));
    }
    // The cursor on the screen may be one of the old ones: show its new copy
    // before the old ones go.
    const HCURSOR current = ::GetCursor();
    for (std::size_t i = 0; i < cursors_.size(); ++i) {
        if (cursors_[i] != nullptr && cursors_[i] == current) ::SetCursor(loaded[i]);
    }
    ReleaseCursors();
    cursors_ = loaded;
}

void Win32PanelView::ReleaseCursors() {
    const HCURSOR current = ::GetCursor();
    for (HCURSOR& c : cursors_) {
        if (c == nullptr) continue;
        if (c == current) ::SetCursor(::LoadCursorA(nullptr, IDC_ARROW));
        ::DestroyCursor(c);
        c = nullptr;
    }
}

void Win32PanelView::CaptureMouse(WindowId w) {
    if (w != 0 && ::GetCapture() != H(w)) ::SetCapture(H(w));
}

void Win32PanelView::ReleaseMouse() {
    // Only a capture of our own: the system's window move holds its own.
    if (window_ != nullptr && ::GetCapture() == window_) ::ReleaseCapture();
}

void Win32PanelView::SetCursorShape(CursorShape shape) {
    if (HCURSOR c = cursors_[IndexOf(shape)]) ::SetCursor(c);
}

void Win32PanelView::Invalidate(WindowId w) {
    if (w != 0) ::InvalidateRect(H(w), nullptr, FALSE);
}

void Win32PanelView::PopupMenu(WindowId owner, int menuId, const std::vector<MenuItemText>& items) {
    MenuOwner menu(::LoadMenuA(instance_, MAKEINTRESOURCEA(menuId)));
    if (menu.get() == nullptr) return;
    HMENU popup = ::GetSubMenu(menu.get(), 0);
    if (popup == nullptr) return;
    for (const MenuItemText& item : items) {
        ::ModifyMenuA(popup, item.command, MF_BYCOMMAND | MF_STRING, item.command, item.text.c_str());
    }
    POINT at{};
    ::GetCursorPos(&at);
    ::TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, H(owner), nullptr);
    // Lets the menu close properly when the user clicks elsewhere.
    ::PostMessageA(H(owner), WM_NULL, 0, 0);
}

}  // namespace platform::win32
