// The install wizard's pages, the directory chooser, the Exit Setup
// confirmation and the Setup Complete page.  Each page object holds the
// page's state and answers the sheet's notifications; the dialog
// procedures only forward them.
#pragma once

#include <string>
#include <vector>

#include "platform/DialogView.h"
#include "platform/SetupUi.h"
#include "setup/Manifest.h"
#include "setup/SetupServices.h"

namespace setup {

// Resumes or quits the wizard: true when the user chose "Exit Setup".
class CExitSetupDlg {
public:
    static constexpr int kDialogId = 136;
    static bool ConfirmQuit(platform::SetupDialogs& dialogs) {
        return dialogs.RunModal(kDialogId) == platform::kIdCancel;
    }
};

class CWelcomeDlg {
public:
    static constexpr int kDialogId = 130;
    static constexpr int kWelcomeText = 1020;
    void OnInitDialog(platform::DialogView& view);
    void OnSetActive(platform::WizardSheet& sheet);
    void OnKillActive(platform::WizardSheet& sheet);
    bool OnQueryCancel(platform::SetupDialogs& dialogs) { return CExitSetupDlg::ConfirmQuit(dialogs); }
};

class CLicenseDlg {
public:
    static constexpr int kDialogId = 131;
    static constexpr int kAgreementEdit = 1000;
    static constexpr int kQuestionText = 1019;
    explicit CLicenseDlg(platform::StringTable& strings) : strings_(strings) {}
    void OnInitDialog(platform::DialogView& view);
    void OnSetActive(platform::WizardSheet& sheet);    // Next reads "Yes", Cancel "No"
    void OnKillActive(platform::WizardSheet& sheet);   // the saved labels come back
    bool OnQueryCancel(platform::SetupDialogs& dialogs) { return CExitSetupDlg::ConfirmQuit(dialogs); }

private:
    platform::StringTable& strings_;
    std::string savedNext_, savedCancel_;
};

// The "Choose Directoty" dialog's decisions when the user presses OK.
class DirectoryChooser {
public:
    static constexpr int kDialogId = 137;
    static constexpr int kPathEdit = 1088;
    static constexpr int kFileNameEdit = 1152;

    DirectoryChooser(SetupServices& s, std::string startPath) : s_(s), start_(std::move(startPath)) {}
    void OnInit(platform::DialogView& view);
    // True: the chooser ends with OK and Accepted() holds the directory.
    // False: it stays open (after a question or a warning).
    bool OnOk(const std::string& typed);
    const std::string& Accepted() const { return accepted_; }
    // Directories created on the user's "Yes" during this run.
    const std::vector<std::string>& Created() const { return created_; }

private:
    SetupServices& s_;
    std::string start_;
    std::string accepted_;
    std::vector<std::string> created_;
};

class CDestinationDlg {
public:
    static constexpr int kDialogId = 132;
    static constexpr int kPathText = 1002;
    static constexpr int kBrowseButton = 1001;
    static constexpr int kInstallText = 1017;
    static constexpr int kCancelText = 1018;
    static constexpr int kJapaneseText = 1028;
    static constexpr std::size_t kBufferChars = 260;

    // Computes the default path ("%ProgramFiles%\TV Drovan", or "C:\TV Drovan").
    CDestinationDlg(SetupServices& s, const SetupDirectories& dirs);
    static std::string DefaultPath(platform::SetupSystem& system);
    // The path moved to the Windows drive.
    static std::string OnWindowsDrive(std::string path, const std::string& windowsDir);

    void OnInitDialog(platform::DialogView& view);
    void OnSetActive(platform::WizardSheet&) {}
    DirectoryChooser MakeChooser() { return DirectoryChooser(s_, buffer_); }
    // The chooser ended; on OK its directory becomes the destination.
    void OnChooserClosed(const DirectoryChooser& chooser, bool ok, platform::DialogView& view);
    // Creates the directory and its skin directories; the sheet ends with 1.
    int OnWizardNext();
    // Exit Setup removes the destination again when it is empty.
    bool OnQueryCancel();

    const std::string& Path() const { return path_; }
    const std::string& Buffer() const { return buffer_; }
    void SetPath(const std::string& path) { path_ = buffer_ = path; }

private:
    void RemoveIfEmpty(const std::string& dir);

    SetupServices& s_;
    const SetupDirectories& dirs_;
    std::string path_;
    std::string buffer_;
    std::vector<std::string> chooserCreated_;
};

class CCompleteDlg {
public:
    static constexpr int kDialogId = 134;
    static constexpr int kRestartNow = 1008;
    static constexpr int kRestartLater = 1009;
    void OnInitDialog(platform::DialogView& view);
    void OnSetActive(platform::WizardSheet& sheet);
    void OnWizardFinish(platform::DialogView& view, platform::SetupSystem& system);
};

}  // namespace setup
