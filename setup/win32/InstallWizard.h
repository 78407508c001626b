// The install wizard's window side: wizard-style property sheets whose page
// procedures forward the sheet's notifications to the portable page
// classes, the old-style directory chooser, and the install flow's user
// interface on top of them.
#pragma once

#include "setup/win32/Win.h"

#include <span>
#include <string>

#include "setup/InstallFlow.h"
#include "setup/SetupApp.h"
#include "setup/WizardPages.h"
#include "setup/win32/Win32Services.h"

namespace setup::win32 {

// One page of a wizard sheet as its page procedure sees it.
class WizardPage {
public:
    virtual ~WizardPage() = default;
    virtual int DialogId() const = 0;
    virtual void OnInitDialog(HWND) {}
    virtual void OnSetActive(HWND /*sheet*/) {}
    virtual void OnKillActive(HWND /*sheet*/) {}
    virtual bool OnQueryCancel() { return true; }               // true: the sheet may close
    virtual LRESULT OnWizardNext(HWND, HWND /*sheet*/) { return 0; }   // -1 keeps the page
    virtual bool OnWizardFinish(HWND) { return true; }          // true: the sheet may close
    virtual void OnCommand(HWND, int /*id*/, int /*code*/) {}
};

// Runs a wizard-style property sheet with the pages, modally over the owner.
void RunWizardSheet(HINSTANCE module, HWND owner, const char* title, std::span<WizardPage* const> pages);

// Runs the "Choose Directoty" dialog for the chooser's logic; true when it
// accepted a directory.
bool RunDirectoryChooser(HINSTANCE module, HWND owner, DirectoryChooser& chooser);

// The install flow's windows: the three-page wizard, the copy dialog and the
// Setup Complete sheet, over the background window.
class Win32InstallFlowUi final : public InstallFlowUi {
public:
    Win32InstallFlowUi(Win32Services& w, const CSetupApp& app, SetupDirectories& dirs, CDestinationDlg& destination,
                       HWND background)
        : w_(w), app_(app), dirs_(dirs), destination_(destination), background_(background) {}

    int RunInstallWizard() override;
    int RunCopyDialog(const std::string& destination) override;
    void RunCompleteSheet() override;
    void CloseBackground() override;

private:
    Win32Services& w_;
    const CSetupApp& app_;
    SetupDirectories& dirs_;
    CDestinationDlg& destination_;
    HWND background_;
};

}  // namespace setup::win32
