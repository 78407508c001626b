// A dialog's controls in memory, by control id, for testing dialog logic:
// texts, enabled and checked states, list items and selection, slider range
// and position, and the result the dialog closed with.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/DialogView.h"

namespace platform::fake {

class FakeDialogView final : public DialogView {
public:
    struct Control {
        std::string text;
        bool enabled = true;
        bool checked = false;
        std::vector<std::string> items;
        int selection = -1;
        int low = 0, high = 100, pos = 0;
    };

    void SetText(int id, const std::string& text) override { controls_[id].text = text; }
    std::string GetText(int id) override { return controls_[id].text; }
    void Enable(int id, bool on) override { controls_[id].enabled = on; }
    void Check(int id, bool on) override { controls_[id].checked = on; }
    bool IsChecked(int id) override { return controls_[id].checked; }
    void ListReset(int id) override {
        controls_[id].items.clear();
        controls_[id].selection = -1;
    }
    int ListAdd(int id, const std::string& text) override {
        controls_[id].items.push_back(text);
        return static_cast<int>(controls_[id].items.size()) - 1;
    }
    // Like CB_SETCURSEL: an index outside the list clears the selection.
    void ListSelect(int id, int index) override {
        Control& c = controls_[id];
        c.selection = (index >= 0 && index < static_cast<int>(c.items.size())) ? index : -1;
    }
    int ListSelection(int id) override { return controls_[id].selection; }
    std::string ListItemText(int id, int index) override {
        const Control& c = controls_[id];
        return (index >= 0 && index < static_cast<int>(c.items.size())) ? c.items[index] : std::string();
    }
    void SliderSetRange(int id, int low, int high) override {
        controls_[id].low = low;
        controls_[id].high = high;
    }
    void SliderSetPos(int id, int pos) override { controls_[id].pos = pos; }
    int SliderPos(int id) override { return controls_[id].pos; }
    void Close(int result) override { closed_ = result; }

    Control& At(int id) { return controls_[id]; }
    std::optional<int> Closed() const { return closed_; }

private:
    std::map<int, Control> controls_;
    std::optional<int> closed_;
};

}  // namespace platform::fake
