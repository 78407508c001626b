// setup.exe: installs the suite, or (named UNINSTAL.EXE) relocates itself
// and uninstalls it.  "SETUP.EXE /S [/LOG=file] [/D=directory]" installs
// without any window.
#include "setup/win32/Win.h"

#include "setup/SetupApp.h"
#include "setup/win32/MainFrame.h"
#include "setup/win32/Win32Services.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    const UINT scheduleMessage = ::RegisterWindowMessageA("Message - Uninstall Schedule Recording ");

    setup::win32::Win32Services w(instance);
    setup::CSetupApp app(w.services);
    const auto start = app.InitInstance(commandLine != nullptr ? commandLine : "");
    if (!start.runMessageLoop) return start.exitCode;

    setup::win32::MainFrameWindow frame(w, app, scheduleMessage);
    if (!frame.Create(start.frameShowCommand)) return 1;
    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    return 0;
}
