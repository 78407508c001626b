// The panel's mouse capture, cursor, invalidation and popup menus in memory
// for tests: the current state and a history of what was asked.
#pragma once

#include <vector>

#include "platform/PanelInput.h"

namespace platform::fake {

struct PoppedMenu {
    WindowId owner = 0;
    int menuId = 0;
    std::vector<MenuItemText> items;
};

class FakePanelInput final : public PanelInput {
public:
    void CaptureMouse(WindowId w) override { captured_ = w; }
    void ReleaseMouse() override { captured_ = 0; }
    void SetCursorShape(CursorShape shape) override {
        cursor_ = shape;
        cursors_.push_back(shape);
    }
    void Invalidate(WindowId w) override { invalidated_.push_back(w); }
    void PopupMenu(WindowId owner, int menuId, const std::vector<MenuItemText>& items) override {
        menus_.push_back({owner, menuId, items});
    }

    WindowId Captured() const { return captured_; }
    CursorShape Cursor() const { return cursor_; }
    const std::vector<CursorShape>& CursorHistory() const { return cursors_; }
    const std::vector<WindowId>& Invalidated() const { return invalidated_; }
    const std::vector<PoppedMenu>& Menus() const { return menus_; }
    void ClearHistory() {
        cursors_.clear();
        invalidated_.clear();
        menus_.clear();
    }

private:
    WindowId captured_ = 0;
    CursorShape cursor_ = CursorShape::Normal;
    std::vector<CursorShape> cursors_;
    std::vector<WindowId> invalidated_;
    std::vector<PoppedMenu> menus_;
};

}  // namespace platform::fake
