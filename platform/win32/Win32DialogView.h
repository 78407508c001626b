// A dialog's controls through the dialog manager: the view a dialog
// procedure hands to the dialog's logic.  List operations work on list boxes
// and combo boxes alike (the control's class decides the messages); slider
// operations on trackbars.  A list or slider operation on a control of
// another class, or on an id the dialog lacks, does nothing (reads give -1,
// 0 or "").  Close ends a modal dialog with the result.
#pragma once

#include <windows.h>

#include "platform/DialogView.h"

namespace platform::win32 {

class Win32DialogView final : public DialogView {
public:
    explicit Win32DialogView(HWND dialog) : dialog_(dialog) {}

    void SetText(int id, const std::string& text) override;
    std::string GetText(int id) override;
    void Enable(int id, bool on) override;
    void Check(int id, bool on) override;
    bool IsChecked(int id) override;
    void ListReset(int id) override;
    int ListAdd(int id, const std::string& text) override;  // -1 when it could not be added
    // An index outside the list clears the selection, for both kinds of list.
    void ListSelect(int id, int index) override;
    int ListSelection(int id) override;
    std::string ListItemText(int id, int index) override;
    void SliderSetRange(int id, int low, int high) override;
    void SliderSetPos(int id, int pos) override;  // the trackbar keeps it inside its range
    int SliderPos(int id) override;
    void Close(int result) override;

private:
    HWND dialog_;
};

}  // namespace platform::win32
