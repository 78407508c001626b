#include "setup/win32/InstallWizard.h"

#include <string>
#include <vector>

#include "platform/win32/Win32DialogView.h"
#include "platform/win32/Win32SetupUi.h"
#include "setup/CopyDlg.h"
#include "setup/win32/CopyDialog.h"
#include "setup/win32/resource.h"

namespace setup::win32 {
namespace {

using platform::win32::Win32DialogView;
using platform::win32::Win32WizardSheet;

INT_PTR CALLBACK PageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<WizardPage*>(::GetWindowLongPtrA(page, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG: {
        const auto* sheetPage = reinterpret_cast<const PROPSHEETPAGEA*>(lParam);
        self = reinterpret_cast<WizardPage*>(sheetPage->lParam);
        ::SetWindowLongPtrA(page, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
        self->OnInitDialog(page);
        return TRUE;
    }
    case WM_NOTIFY: {
        if (self == nullptr) return FALSE;
        const HWND sheet = ::GetParent(page);
        LRESULT result = 0;
        switch (reinterpret_cast<const NMHDR*>(lParam)->code) {
        case PSN_SETACTIVE: self->OnSetActive(sheet); break;
        case PSN_KILLACTIVE: self->OnKillActive(sheet); break;
        case PSN_QUERYCANCEL: result = self->OnQueryCancel() ? FALSE : TRUE; break;
        case PSN_WIZNEXT: result = self->OnWizardNext(page, sheet); break;
        case PSN_WIZFINISH: result = self->OnWizardFinish(page) ? FALSE : TRUE; break;
        default: return FALSE;
        }
        ::SetWindowLongPtrA(page, DWLP_MSGRESULT, result);
        return TRUE;
    }
    case WM_COMMAND:
        if (self != nullptr) self->OnCommand(page, LOWORD(wParam), HIWORD(wParam));
        return FALSE;
    default:
        return FALSE;
    }
}

// A page whose logic takes the page events as they come (Welcome, License).
template <typename Logic>
class PlainPage final : public WizardPage {
public:
    template <typename... Args>
    explicit PlainPage(platform::SetupDialogs& dialogs, Args&... args) : logic_(args...), dialogs_(dialogs) {}
    int DialogId() const override { return Logic::kDialogId; }
    void OnInitDialog(HWND page) override {
        Win32DialogView view(page);
        logic_.OnInitDialog(view);
    }
    void OnSetActive(HWND sheet) override {
        Win32WizardSheet s(sheet);
        logic_.OnSetActive(s);
    }
    void OnKillActive(HWND sheet) override {
        Win32WizardSheet s(sheet);
        logic_.OnKillActive(s);
    }
    bool OnQueryCancel() override { return logic_.OnQueryCancel(dialogs_); }

private:
    Logic logic_;
    platform::SetupDialogs& dialogs_;
};

// Next on this page ends the whole wizard with result 1.
class DestinationPage final : public WizardPage {
public:
    DestinationPage(HINSTANCE module, CDestinationDlg& logic, int& result)
        : module_(module), logic_(logic), result_(result) {}
    int DialogId() const override { return CDestinationDlg::kDialogId; }
    void OnInitDialog(HWND page) override {
        Win32DialogView view(page);
        logic_.OnInitDialog(view);
    }
    void OnSetActive(HWND sheet) override {
        Win32WizardSheet s(sheet);
        logic_.OnSetActive(s);
    }
    void OnCommand(HWND page, int id, int code) override {
        if (id != CDestinationDlg::kBrowseButton || code != BN_CLICKED) return;
        DirectoryChooser chooser = logic_.MakeChooser();
        const bool ok = RunDirectoryChooser(module_, ::GetParent(page), chooser);
        Win32DialogView view(page);
        logic_.OnChooserClosed(chooser, ok, view);
    }
    LRESULT OnWizardNext(HWND, HWND sheet) override {
        result_ = logic_.OnWizardNext();
        // The page stays; the sheet closes as if finished.
        ::SendMessageA(sheet, PSM_SETWIZBUTTONS, 0, PSWIZB_FINISH);
        ::PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_FINISH, 0);
        return -1;
    }
    bool OnQueryCancel() override { return logic_.OnQueryCancel(); }

private:
    HINSTANCE module_;
    CDestinationDlg& logic_;
    int& result_;
};

class CompletePage final : public WizardPage {
public:
    explicit CompletePage(platform::SetupSystem& system) : system_(system) {}
    int DialogId() const override { return CCompleteDlg::kDialogId; }
    void OnInitDialog(HWND page) override {
        Win32DialogView view(page);
        logic_.OnInitDialog(view);
    }
    void OnSetActive(HWND sheet) override {
        Win32WizardSheet s(sheet);
        logic_.OnSetActive(s);
    }
    bool OnWizardFinish(HWND page) override {
        Win32DialogView view(page);
        logic_.OnWizardFinish(view, system_);
        return true;
    }

private:
    CCompleteDlg logic_;
    platform::SetupSystem& system_;
};

// The chooser's logic and whether it accepted, for the hook.
struct ChooserRun {
    HINSTANCE module;
    DirectoryChooser& logic;
    bool accepted = false;
};

constexpr char kChooserProperty[] = "Kestrova.Setup.Chooser";
constexpr int kChooserPathChars = 260;

// The caption of one of this program's dialog templates, in the language
// the system picks; empty when the template cannot be read.
std::wstring TemplateCaption(HINSTANCE module, int id) {
    const HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(id), RT_DIALOG);
    const HGLOBAL loaded = found ? ::LoadResource(module, found) : nullptr;
    const auto* words = loaded ? static_cast<const WORD*>(::LockResource(loaded)) : nullptr;
    if (words == nullptr) return {};
    const std::size_t count = ::SizeofResource(module, found) / sizeof(WORD);
    // DLGTEMPLATEEX starts with version 1 and 0xFFFF; the plain template
    // has no such mark.  Then the menu, the class and the caption follow.
    std::size_t at = (count >= 2 && words[0] == 1 && words[1] == 0xFFFF) ? 13 : 9;
    for (int field = 0; field < 2 && at < count; ++field) {
        if (words[at] == 0) {
            at += 1;
        } else if (words[at] == 0xFFFF) {
            at += 2;
        } else {
            while (at < count && words[at] != 0) ++at;
            ++at;
        }
    }
    std::wstring caption;
    while (at < count && words[at] != 0) caption += static_cast<wchar_t>(words[at++]);
    return caption;
}

UINT_PTR CALLBACK ChooserHook(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: {
        auto* run = reinterpret_cast<ChooserRun*>(reinterpret_cast<const OPENFILENAMEA*>(lParam)->lCustData);
        ::SetPropA(dialog, kChooserProperty, run);
        // The file dialog gave itself its own title; the template's comes back.
        if (const std::wstring caption = TemplateCaption(run->module, DirectoryChooser::kDialogId); !caption.empty()) {
            ::SetWindowTextW(dialog, caption.c_str());
        }
        Win32DialogView view(dialog);
        run->logic.OnInit(view);
        return TRUE;
    }
    case WM_COMMAND: {
        if (LOWORD(wParam) != IDOK) return FALSE;
        auto* run = static_cast<ChooserRun*>(::GetPropA(dialog, kChooserProperty));
        if (run == nullptr) return FALSE;
        char typed[kChooserPathChars + 1] = {};
        ::GetDlgItemTextA(dialog, DirectoryChooser::kPathEdit, typed, kChooserPathChars + 1);
        if (run->logic.OnOk(typed)) {
            run->accepted = true;
            ::EndDialog(dialog, IDOK);
        }
        return TRUE;   // the dialog's own OK handling never runs
    }
    case WM_DESTROY:
        ::RemovePropA(dialog, kChooserProperty);
        return FALSE;
    default:
        return FALSE;
    }
}

// Centres the sheet on the screen once it exists.
int CALLBACK SheetCallback(HWND sheet, UINT message, LPARAM) {
    if (message == PSCB_INITIALIZED) {
        const POINT at = platform::win32::CentredOnScreen(sheet);
        ::SetWindowPos(sheet, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return 0;
}

}  // namespace

void RunWizardSheet(HINSTANCE module, HWND owner, const char* title, std::span<WizardPage* const> pages) {
    // Each page is made on its own: an array of page records would be walked
    // with the stride its first record names, which differs between versions
    // of the common controls.
    std::vector<HPROPSHEETPAGE> handles;
    for (WizardPage* page : pages) {
        PROPSHEETPAGEA p{};
        p.dwSize = PROPSHEETPAGEA_V1_SIZE;   // understood by every version of the common controls
        p.dwFlags = PSP_DEFAULT;
        p.hInstance = module;
        p.pszTemplate = MAKEINTRESOURCEA(page->DialogId());
        p.pfnDlgProc = PageProc;
        p.lParam = reinterpret_cast<LPARAM>(page);
        if (HPROPSHEETPAGE handle = ::CreatePropertySheetPageA(&p)) handles.push_back(handle);
    }
    if (handles.size() != pages.size()) {
        // The sheet takes the pages it is given; those made are freed here.
        for (HPROPSHEETPAGE handle : handles) ::DestroyPropertySheetPage(handle);
        return;
    }
    PROPSHEETHEADERA header{};
    header.dwSize = PROPSHEETHEADERA_V1_SIZE;
    header.dwFlags = PSH_WIZARD | PSH_USECALLBACK;
    header.hwndParent = owner;
    header.hInstance = module;
    header.pszCaption = title;
    header.nPages = static_cast<UINT>(handles.size());
    header.nStartPage = 0;
    header.phpage = handles.data();
    header.pfnCallback = SheetCallback;
    ::PropertySheetA(&header);   // destroys the pages
}

bool RunDirectoryChooser(HINSTANCE module, HWND owner, DirectoryChooser& chooser) {
    ChooserRun run{module, chooser};
    char file[MAX_PATH] = "Tmp";
    OPENFILENAMEA ofn{};
    ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    ofn.hwndOwner = owner;
    ofn.hInstance = module;
    ofn.lpstrFilter = "*.*\0*.*\0";
    ofn.lpstrFile = file;
    ofn.nMaxFile = MAX_PATH;
    // No OFN_EXPLORER: the old-style dialog, on the template with the hook.
    ofn.Flags = OFN_ENABLEHOOK | OFN_ENABLETEMPLATE | OFN_HIDEREADONLY | OFN_NOTESTFILECREATE;
    ofn.lpfnHook = ChooserHook;
    ofn.lpTemplateName = MAKEINTRESOURCEA(DirectoryChooser::kDialogId);
    ofn.lCustData = reinterpret_cast<LPARAM>(&run);
    ::GetOpenFileNameA(&ofn);
    return run.accepted;
}

int Win32InstallFlowUi::RunInstallWizard() {
    int result = 0;
    PlainPage<CWelcomeDlg> welcome(w_.dialogs);
    PlainPage<CLicenseDlg> license(w_.dialogs, w_.strings);
    DestinationPage destination(w_.module, destination_, result);
    WizardPage* const pages[] = {&welcome, &license, &destination};
    RunWizardSheet(w_.module, background_, kProduct, pages);
    return result;
}

int Win32InstallFlowUi::RunCopyDialog(const std::string& destination) {
    CCopyDlg copy(w_.services, dirs_, app_.sourceDirectory, destination);
    return win32::RunCopyDialog(w_.module, background_, copy);
}

void Win32InstallFlowUi::RunCompleteSheet() {
    CompletePage complete(w_.system);
    WizardPage* const pages[] = {&complete};
    RunWizardSheet(w_.module, background_, kProduct, pages);
}

void Win32InstallFlowUi::CloseBackground() { ::PostMessageA(background_, WM_CLOSE, 0, 0); }

}  // namespace setup::win32
