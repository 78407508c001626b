// The panel window as the skin sees it (shape): its client area as a
// drawing surface, its size, its repaint and its cursors.
#pragma once

#include "platform/Surface.h"

namespace platform {

class PanelView {
public:
    virtual ~PanelView() = default;
    // The window's client area.  A blit into it shows on the screen at once
    // (BitBlt into the window's device context).
    virtual Surface& Screen() = 0;
    // New window size; the top-left corner stays where it is (SetWindowPos
    // with SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE).
    virtual void Resize(int width, int height) = 0;
    // Invalidates the whole window and paints it at once (InvalidateRect,
    // UpdateWindow): the window's WM_PAINT runs before this returns.
    virtual void Repaint() = 0;
    // The program's cursor resources 132 (normal), 135 (pressed) and 136
    // (move): loaded again with every skin, released with the window.
    virtual void LoadCursors() = 0;
    virtual void ReleaseCursors() = 0;
};

}  // namespace platform
