#include "setup/WizardPages.h"

#include "setup/SetupApp.h"

namespace setup {

namespace {

bool IsAbsolute(const std::string& path) {
    return (path.size() >= 3 && path[1] == ':' && (path[2] == '\\' || path[2] == '/')) || path.rfind("\\\\", 0) == 0;
}

std::string WithoutTrailingSlash(std::string path) {
    while (path.size() > 3 && (path.back() == '\\' || path.back() == '/')) path.pop_back();
    return path;
}

}  // namespace

void CWelcomeDlg::OnInitDialog(platform::DialogView& view) {
    view.SetText(kWelcomeText, FormatText(view.GetText(kWelcomeText), {kCompany, kProduct, kCompany, kProduct}));
}

void CWelcomeDlg::OnSetActive(platform::WizardSheet& sheet) { sheet.SetWizardButtons(platform::kWizNext); }

void CWelcomeDlg::OnKillActive(platform::WizardSheet& sheet) {
    sheet.SetWizardButtons(platform::kWizBack | platform::kWizNext);
}

void CLicenseDlg::OnInitDialog(platform::DialogView& view) {
    std::string agreement;
    for (unsigned id = kIdsLicenseFirst; id <= kIdsLicenseLast; ++id) agreement += LoadText(strings_, id);
    view.SetText(kAgreementEdit, FormatText(agreement, {kLicensor, kLicensorShort, kLicensorShort, kLicensorShort,
                                                        kLicensorShort}));
    view.SetText(kQuestionText, FormatText(view.GetText(kQuestionText), {kProduct}));
}

void CLicenseDlg::OnSetActive(platform::WizardSheet& sheet) {
    savedNext_ = sheet.ButtonText(platform::kSheetNextButton);
    savedCancel_ = sheet.ButtonText(platform::kSheetCancelButton);
    sheet.SetButtonText(platform::kSheetNextButton, LoadText(strings_, kIdsYes));
    sheet.SetButtonText(platform::kSheetCancelButton, LoadText(strings_, kIdsNo));
}

void CLicenseDlg::OnKillActive(platform::WizardSheet& sheet) {
    sheet.SetButtonText(platform::kSheetNextButton, savedNext_);
    sheet.SetButtonText(platform::kSheetCancelButton, savedCancel_);
}

void DirectoryChooser::OnInit(platform::DialogView& view) {
    view.SetText(kPathEdit, start_);
    view.SetText(kFileNameEdit, "Tmp");
}

bool DirectoryChooser::OnOk(const std::string& typed) {
    const std::string path = WithoutTrailingSlash(typed);
    const bool fits = path.size() < CDestinationDlg::kBufferChars;
    if (fits && s_.files.SetCurrentDirectory(path)) {
        // A relative entry is kept as the full directory it named.
        accepted_ = IsAbsolute(path) ? path : WithoutTrailingSlash(s_.files.CurrentDirectory());
        return true;
    }
    if (fits && s_.files.CreateDirectory(path)) {
        s_.fileOps.RemoveDirectory(path);
        const std::string ask = "The directory:\n\n'" + path + "'\n\ndoes not exist. Do you want the directory to be created?";
        if (s_.boxes.Show(ask, kSetupCaption, platform::kMbYesNo | platform::kMbIconQuestion) != platform::kIdYes) {
            return false;
        }
        if (s_.files.CreateDirectory(path)) {
            created_.push_back(path);
            return false;   // a second OK accepts it
        }
    }
    s_.boxes.Show("The specified directory:\n\n'" + path +
                      "'\n\nis invalid, incomplete or write protected. Please type a full path with drive letter; "
                      "for example 'C:\\APPS'.",
                  kSetupCaption, platform::kMbOk | platform::kMbIconExclamation);
    return false;
}

CDestinationDlg::CDestinationDlg(SetupServices& s, const SetupDirectories& dirs)
    : s_(s), dirs_(dirs), path_(DefaultPath(s.system)), buffer_(path_) {}

std::string CDestinationDlg::DefaultPath(platform::SetupSystem& system) {
    const std::string variable = "%ProgramFiles%";
    const std::string expanded = system.ExpandEnvironment(variable);
    if (expanded != variable) return expanded + "\\" + kProduct;
    return std::string("C:\\") + kProduct;
}

std::string CDestinationDlg::OnWindowsDrive(std::string path, const std::string& windowsDir) {
    // Only a drive letter is exchanged for a drive letter.
    if (path.size() >= 2 && path[1] == ':' && windowsDir.size() >= 2 && windowsDir[1] == ':') path[0] = windowsDir[0];
    return path;
}

void CDestinationDlg::OnInitDialog(platform::DialogView& view) {
    path_ = OnWindowsDrive(path_, dirs_.windows);
    buffer_ = path_;
    view.SetText(kPathText, path_);
    if (auto language = SystemLanguage(s_.system, dirs_.system); language && language->primary == 17) {
        view.SetText(kJapaneseText, FormatText(view.GetText(kJapaneseText), {kProduct}));
    }
    view.SetText(kInstallText, FormatText(view.GetText(kInstallText), {kProduct}));
    view.SetText(kCancelText, FormatText(view.GetText(kCancelText), {kProduct}));
}

void CDestinationDlg::OnChooserClosed(const DirectoryChooser& chooser, bool ok, platform::DialogView& view) {
    chooserCreated_.insert(chooserCreated_.end(), chooser.Created().begin(), chooser.Created().end());
    if (!ok) return;
    SetPath(chooser.Accepted());
    view.SetText(kPathText, path_);
}

int CDestinationDlg::OnWizardNext() {
    s_.files.CreateDirectory(buffer_);
    for (auto dir : kSkinDirectories) s_.files.CreateDirectory(buffer_ + std::string(dir));
    return 1;
}

void CDestinationDlg::RemoveIfEmpty(const std::string& dir) {
    // A directory that is the current one cannot go: step out to its drive root first.
    const std::string current = UpperAscii(WithoutTrailingSlash(s_.files.CurrentDirectory()));
    const std::string target = UpperAscii(WithoutTrailingSlash(dir));
    if (target.size() >= 2 && target[1] == ':' && (current == target || current.rfind(target + "\\", 0) == 0)) {
        s_.files.SetCurrentDirectory(dir.substr(0, 2) + "\\");
    }
    s_.fileOps.RemoveDirectory(dir);
}

bool CDestinationDlg::OnQueryCancel() {
    if (!CExitSetupDlg::ConfirmQuit(s_.dialogs)) return false;
    RemoveIfEmpty(buffer_);
    for (auto it = chooserCreated_.rbegin(); it != chooserCreated_.rend(); ++it) RemoveIfEmpty(*it);
    return true;
}

void CCompleteDlg::OnInitDialog(platform::DialogView& view) {
    view.Check(kRestartNow, true);
    view.Check(kRestartLater, false);
}

void CCompleteDlg::OnSetActive(platform::WizardSheet& sheet) {
    sheet.SetWizardButtons(platform::kWizFinish);
    sheet.ShowButton(platform::kSheetCancelButton, false);
}

void CCompleteDlg::OnWizardFinish(platform::DialogView& view, platform::SetupSystem& system) {
    if (view.IsChecked(kRestartNow)) RestartWindows(system);
}

}  // namespace setup
