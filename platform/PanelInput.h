// The panel window's side of the mouse and its menus (shape): mouse
// capture, the cursor shown, invalidation for a later repaint, and popup
// menus from the program's menu resources.
#pragma once

#include <string>
#include <vector>

#include "platform/Windows.h"

namespace platform {

// The program's cursors: resources 132 (normal), 135 (pressed), 136 (move).
enum class CursorShape { Normal, Pressed, Move };

// One item of a popup menu: the command it carries and the text it shows.
struct MenuItemText {
    unsigned command = 0;
    std::string text;
};

class PanelInput {
public:
    virtual ~PanelInput() = default;
    // The window receives the mouse messages even with the pointer outside
    // it (SetCapture), until released (ReleaseCapture).
    virtual void CaptureMouse(WindowId w) = 0;
    virtual void ReleaseMouse() = 0;
    // SetCursor with one of the program's cursors.
    virtual void SetCursorShape(CursorShape shape) = 0;
    // The whole window is painted again later, without erasing
    // (InvalidateRect with no rectangle and bErase FALSE).
    virtual void Invalidate(WindowId w) = 0;
    // Pops up the first submenu of menu resource `menuId` at the cursor,
    // owned by `owner`, with the items' texts replaced by command; a chosen
    // item arrives as WM_COMMAND at the owner.  Afterwards a null message is
    // posted to the owner and the menu destroyed.
    virtual void PopupMenu(WindowId owner, int menuId, const std::vector<MenuItemText>& items) = 0;
};

}  // namespace platform
