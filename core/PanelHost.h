// What the panel program provides about its own window, message loop and
// modal dialogs.  The Win32 program implements it; the portable start-up and
// dispatcher call it.  (Names avoid those <windows.h> turns into macros.)
#pragma once

#include <memory>
#include <string>

#include "channels/FreqLibrary.h"
#include "platform/Windows.h"

namespace core {

struct PanelContext;

class PanelHost {
public:
    virtual ~PanelHost() = default;

    // Loads the frequency library from `path` and binds KvGetFreqInfo and
    // KvGetContryInfo; nullptr (with the library released) when either fails.
    virtual std::unique_ptr<channels::FreqLibrary> LoadFreqLibrary(const std::string& path) = 0;
    // Message box without owner, default caption, OK button.
    virtual void ShowMessage(const std::string& text) = 0;

    // Class "Kestrova Glimvale": icon 107, cursor 132, menu name "Panel".
    virtual bool RegisterPanelClass() = 0;
    // Creates the hidden popup panel window "Panel"; its WM_CREATE (which
    // calls core::OnCreate with ctx) runs inside.  0 on failure.
    virtual platform::WindowId CreatePanelWindow(PanelContext& ctx, int x, int y, int width, int height) = 0;
    virtual void UpdatePanel() = 0;           // paint at once (UpdateWindow)
    virtual void LoadAcceleratorTable() = 0;  // resource 109
    virtual void RegisterPanelHotkey() = 0;   // identifier 0, Ctrl+Alt+F4
    // Runs the message loop until the quit message; returns its wParam.
    virtual int RunMessageLoop() = 0;

    virtual void DestroyPanel() = 0;          // DestroyWindow: WM_DESTROY follows
    virtual void PostQuit(int exitCode) = 0;  // PostQuitMessage
    virtual platform::WindowId KeyboardFocus() = 0;  // GetFocus

    // The country dialog (resource 312), modal, over channels::CountryDialog.
    virtual void RunCountryDialog(PanelContext& ctx) = 0;
};

}  // namespace core
