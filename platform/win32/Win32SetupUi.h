// The installer's user-interface interfaces on Win32: message boxes, the
// program's string resources, dialogs by resource id, a wizard property
// sheet's buttons and a dialog's drawn progress bar.
#pragma once

#include <windows.h>

#include <map>

#include "platform/SetupUi.h"

namespace platform::win32 {

// MessageBoxA without an owner.
class Win32MessageBoxes final : public MessageBoxes {
public:
    int Show(const std::string& text, const std::string& caption, unsigned style) override;
};

// String resources of a module in the language the system picks, converted
// to the ANSI code page whole (LoadStringA would cut them to its buffer).
class Win32StringTable final : public StringTable {
public:
    explicit Win32StringTable(HINSTANCE module) : module_(module) {}
    std::string Load(unsigned id) override;

private:
    HINSTANCE module_;
};

// Dialogs of a module that need no logic of their own: a modal one ends
// with the id of the button pressed (OK or Cancel); a modeless one is shown
// centred on the screen and painted at once.  Modal ones are owned by the
// window set as owner, or by the active window of the thread.
class Win32SetupDialogs final : public SetupDialogs {
public:
    explicit Win32SetupDialogs(HINSTANCE module) : module_(module) {}
    ~Win32SetupDialogs() override;
    Win32SetupDialogs(const Win32SetupDialogs&) = delete;
    Win32SetupDialogs& operator=(const Win32SetupDialogs&) = delete;

    void SetOwner(HWND owner) { owner_ = owner; }
    int RunModal(int dialogId) override;
    void ShowModeless(int dialogId) override;
    void DestroyModeless(int dialogId) override;

private:
    HINSTANCE module_;
    HWND owner_ = nullptr;
    std::map<int, HWND> modeless_;
};

// The buttons of a property sheet in wizard mode.  Button sets are posted
// to the sheet (PSM_SETWIZBUTTONS).
class Win32WizardSheet final : public WizardSheet {
public:
    explicit Win32WizardSheet(HWND sheet) : sheet_(sheet) {}
    void SetWizardButtons(unsigned buttons) override;
    std::string ButtonText(int id) override;
    void SetButtonText(int id, const std::string& text) override;
    void ShowButton(int id, bool shown) override;

private:
    HWND sheet_;
};

// A bar drawn by the dialog itself in a rectangle of its client area.
class Win32ProgressView final : public ProgressView {
public:
    Win32ProgressView(HWND dialog, RECT bar) : dialog_(dialog), bar_(bar) {}
    void InvalidateBar() override;
    // Dispatches what is queued; a quit request is put back for the main loop.
    void PumpMessages() override;

private:
    HWND dialog_;
    RECT bar_;
};

// PeekMessageA, TranslateMessage and DispatchMessageA until the queue is
// empty; false when a quit request came (it is posted again).
bool PumpPendingMessages();

// Top-left corner that centres the window on the screen.
POINT CentredOnScreen(HWND window);

}  // namespace platform::win32
