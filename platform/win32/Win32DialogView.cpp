#include "platform/win32/Win32DialogView.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

namespace platform::win32 {
namespace {

enum class Kind { Other, ListBox, ComboBox, Trackbar };

Kind KindOf(HWND control) {
    if (control == nullptr) return Kind::Other;
    char name[64] = {};
    if (::GetClassNameA(control, name, sizeof name) == 0) return Kind::Other;
    if (::lstrcmpiA(name, "ListBox") == 0 || ::lstrcmpiA(name, "ComboLBox") == 0) return Kind::ListBox;
    if (::lstrcmpiA(name, "ComboBox") == 0) return Kind::ComboBox;
    if (::lstrcmpiA(name, TRACKBAR_CLASSA) == 0) return Kind::Trackbar;
    return Kind::Other;
}

// The messages of one kind of list.
struct ListMessages {
    UINT reset, add, getCount, setSelection, getSelection, getTextLength, getText;
};

constexpr ListMessages kListBox{LB_RESETCONTENT, LB_ADDSTRING, LB_GETCOUNT, LB_SETCURSEL,
                                LB_GETCURSEL,    LB_GETTEXTLEN, LB_GETTEXT};
constexpr ListMessages kComboBox{CB_RESETCONTENT, CB_ADDSTRING,    CB_GETCOUNT, CB_SETCURSEL,
                                 CB_GETCURSEL,    CB_GETLBTEXTLEN, CB_GETLBTEXT};

// The list control with the id and its messages; no control when the id
// names no list.
struct List {
    HWND control = nullptr;
    const ListMessages* messages = nullptr;

    explicit operator bool() const { return control != nullptr; }
    LRESULT Send(UINT ListMessages::*which, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageA(control, messages->*which, wParam, lParam);
    }
};

List ListOf(HWND dialog, int id) {
    const HWND control = ::GetDlgItem(dialog, id);
    switch (KindOf(control)) {
    case Kind::ListBox: return {control, &kListBox};
    case Kind::ComboBox: return {control, &kComboBox};
    default: return {};
    }
}

HWND TrackbarOf(HWND dialog, int id) {
    const HWND control = ::GetDlgItem(dialog, id);
    return KindOf(control) == Kind::Trackbar ? control : nullptr;
}

// LB_ERR, CB_ERR and the out-of-space codes are all negative.
int IndexOrNone(LRESULT r) { return r < 0 ? -1 : static_cast<int>(r); }

}  // namespace

void Win32DialogView::SetText(int id, const std::string& text) { ::SetDlgItemTextA(dialog_, id, text.c_str()); }

std::string Win32DialogView::GetText(int id) {
    const HWND control = ::GetDlgItem(dialog_, id);
    if (control == nullptr) return {};
    const int length = ::GetWindowTextLengthA(control);
    if (length <= 0) return {};
    std::vector<char> text(static_cast<std::size_t>(length) + 1, '\0');
    const UINT got = ::GetDlgItemTextA(dialog_, id, text.data(), static_cast<int>(text.size()));
    return std::string(text.data(), got < text.size() ? got : text.size() - 1);
}

void Win32DialogView::Enable(int id, bool on) {
    const HWND control = ::GetDlgItem(dialog_, id);
    if (control != nullptr) ::EnableWindow(control, on ? TRUE : FALSE);
}

void Win32DialogView::Check(int id, bool on) { ::CheckDlgButton(dialog_, id, on ? BST_CHECKED : BST_UNCHECKED); }

bool Win32DialogView::IsChecked(int id) { return ::IsDlgButtonChecked(dialog_, id) == BST_CHECKED; }

void Win32DialogView::ListReset(int id) {
    if (const List list = ListOf(dialog_, id)) list.Send(&ListMessages::reset);
}

int Win32DialogView::ListAdd(int id, const std::string& text) {
    const List list = ListOf(dialog_, id);
    if (!list) return -1;
    return IndexOrNone(list.Send(&ListMessages::add, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

void Win32DialogView::ListSelect(int id, int index) {
    const List list = ListOf(dialog_, id);
    if (!list) return;
    const LRESULT count = list.Send(&ListMessages::getCount);
    const int chosen = (index >= 0 && index < count) ? index : -1;
    list.Send(&ListMessages::setSelection, static_cast<WPARAM>(chosen));
}

int Win32DialogView::ListSelection(int id) {
    const List list = ListOf(dialog_, id);
    if (!list) return -1;
    return IndexOrNone(list.Send(&ListMessages::getSelection));
}

std::string Win32DialogView::ListItemText(int id, int index) {
    const List list = ListOf(dialog_, id);
    if (!list || index < 0) return {};
    const LRESULT length = list.Send(&ListMessages::getTextLength, static_cast<WPARAM>(index));
    if (length < 0) return {};
    // Room for the text the control reported and its terminator, and at least
    // for an item's data word: an owner-drawn list without strings copies that.
    std::vector<char> text(std::max(static_cast<std::size_t>(length), sizeof(ULONG_PTR)) + 1, '\0');
    const LRESULT got =
        list.Send(&ListMessages::getText, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    if (got < 0) return {};
    return std::string(text.data(), static_cast<std::size_t>(got) < text.size() ? static_cast<std::size_t>(got)
                                                                                  : text.size() - 1);
}

void Win32DialogView::SliderSetRange(int id, int low, int high) {
    const HWND trackbar = TrackbarOf(dialog_, id);
    if (trackbar == nullptr) return;
    ::SendMessageA(trackbar, TBM_SETRANGEMIN, FALSE, low);
    ::SendMessageA(trackbar, TBM_SETRANGEMAX, TRUE, high);
}

void Win32DialogView::SliderSetPos(int id, int pos) {
    const HWND trackbar = TrackbarOf(dialog_, id);
    if (trackbar != nullptr) ::SendMessageA(trackbar, TBM_SETPOS, TRUE, pos);
}

int Win32DialogView::SliderPos(int id) {
    const HWND trackbar = TrackbarOf(dialog_, id);
    return trackbar == nullptr ? 0 : static_cast<int>(::SendMessageA(trackbar, TBM_GETPOS, 0, 0));
}

void Win32DialogView::Close(int result) { ::EndDialog(dialog_, result); }

}  // namespace platform::win32
