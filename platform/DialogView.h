// Dialog view (shape): what a dialog's logic may do to its controls, by
// control id.  The Win32 dialog procedure implements it over the real
// controls; tests implement it in memory.
#pragma once

#include <string>

namespace platform {

class DialogView {
public:
    virtual ~DialogView() = default;
    virtual void SetText(int id, const std::string& text) = 0;
    virtual std::string GetText(int id) = 0;
    virtual void Enable(int id, bool on) = 0;
    virtual void Check(int id, bool on) = 0;
    virtual bool IsChecked(int id) = 0;
    virtual void ListReset(int id) = 0;
    virtual int ListAdd(int id, const std::string& text) = 0;   // index of the new item
    virtual void ListSelect(int id, int index) = 0;             // -1: no selection
    virtual int ListSelection(int id) = 0;                      // -1: none
    virtual std::string ListItemText(int id, int index) = 0;
    virtual void SliderSetRange(int id, int low, int high) = 0;
    virtual void SliderSetPos(int id, int pos) = 0;
    virtual int SliderPos(int id) = 0;
    virtual void Close(int result) = 0;
};

}  // namespace platform
