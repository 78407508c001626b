// The background window: a full-screen dark-blue pop-up with the stretched
// picture and the title, whose first timer tick starts the install flow.
#pragma once

#include "setup/win32/Win.h"

#include <string>

#include "setup/SetupApp.h"
#include "setup/win32/Gdi.h"
#include "setup/win32/Win32Services.h"

namespace setup::win32 {

class MainFrameWindow {
public:
    static constexpr char kClassName[] = "Kestrova Setup";
    static constexpr char kTitle[] = "Setup";

    MainFrameWindow(Win32Services& w, const CSetupApp& app, UINT uninstallScheduleMessage)
        : w_(w), app_(app), scheduleMessage_(uninstallScheduleMessage), frame_(w.files) {}
    MainFrameWindow(const MainFrameWindow&) = delete;
    MainFrameWindow& operator=(const MainFrameWindow&) = delete;

    // Registers the class, creates the window and shows it; false when it
    // cannot be made.
    bool Create(int showCommand);

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCreate();
    void OnPaint();
    void OnTimer(UINT_PTR id);
    void OnDestroy();

    Win32Services& w_;
    const CSetupApp& app_;
    UINT scheduleMessage_;
    CMainFrame frame_;
    HWND hwnd_ = nullptr;
    GdiObject<HBRUSH> background_;
    GdiObject<HBITMAP> picture_;
    GdiObject<HFONT> titleFont_;
    std::string title_;
};

}  // namespace setup::win32
