#include "qor/Win32PanelHost.h"

#include <optional>

#include "channels/Country.h"
#include "core/PanelContext.h"
#include "core/PanelWindow.h"
#include "core/Startup.h"
#include "platform/win32/Win32DialogView.h"
#include "qor/resource.h"

namespace qor {
namespace {

// The library stays loaded for the whole run; the binding owns it.
class BoundLibrary final : public channels::FreqLibrary {
public:
    BoundLibrary(HMODULE module, KvGetContryInfoFn count, KvGetFreqInfoFn info)
        : module_(module), inner_(count, info) {}
    ~BoundLibrary() override { FreeLibrary(module_); }
    int CountryCount() override { return inner_.CountryCount(); }
    channels::FreqInfo Lookup(int code, int position, int band, int channel) override {
        return inner_.Lookup(code, position, band, channel);
    }

private:
    HMODULE module_;
    channels::FunctionFreqLibrary inner_;
};

// Lives on the stack of RunCountryDialog for as long as the dialog runs.
struct CountryDialogState {
    core::PanelContext* ctx = nullptr;
    std::optional<platform::win32::Win32DialogView> view;
    std::optional<channels::CountryDialog> logic;
};

INT_PTR CALLBACK CountryDialogProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_INITDIALOG) {
        auto* state = reinterpret_cast<CountryDialogState*>(lp);
        SetWindowLongPtrA(dlg, DWLP_USER, lp);
        core::PanelContext& ctx = *state->ctx;
        state->view.emplace(dlg);
        const channels::CountryEnv env{ctx.settings, ctx.winIni, *ctx.library, ctx.countryCount};
        state->logic.emplace(*state->view, env, ctx.panelIni, ctx.s.SkinNumber);
        const channels::DialogOrigin at =
            channels::CountryDialogOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
        SetWindowPos(dlg, HWND_TOPMOST, at.x, at.y, 0, 0, SWP_NOSIZE);
        state->logic->OnInit();
        return TRUE;
    }
    auto* state = reinterpret_cast<CountryDialogState*>(GetWindowLongPtrA(dlg, DWLP_USER));
    if (msg == WM_COMMAND && state != nullptr && state->logic) {
        // The dialog has no Cancel: Escape (IDCANCEL) does nothing.
        if (LOWORD(wp) != IDCANCEL) state->logic->OnCommand(LOWORD(wp), HIWORD(wp));
        return TRUE;
    }
    return FALSE;
}

}  // namespace

Win32PanelHost::~Win32PanelHost() {
    if (accelerators_ != nullptr) DestroyAcceleratorTable(accelerators_);
}

std::unique_ptr<channels::FreqLibrary> Win32PanelHost::LoadFreqLibrary(const std::string& path) {
    HMODULE module = LoadLibraryExA(path.c_str(), nullptr, 0);
    if (module == nullptr) return nullptr;
    auto info = reinterpret_cast<KvGetFreqInfoFn>(reinterpret_cast<void*>(GetProcAddress(module, "KvGetFreqInfo")));
    auto count =
        reinterpret_cast<KvGetContryInfoFn>(reinterpret_cast<void*>(GetProcAddress(module, "KvGetContryInfo")));
    if (info == nullptr || count == nullptr) {
        FreeLibrary(module);
        return nullptr;
    }
    return std::make_unique<BoundLibrary>(module, count, info);
}

void Win32PanelHost::ShowMessage(const std::string& text) { MessageBoxA(nullptr, text.c_str(), nullptr, MB_OK); }

bool Win32PanelHost::RegisterPanelClass() {
    WNDCLASSA wc{};
    wc.style = 0;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance_;
    wc.hIcon = LoadIconA(instance_, MAKEINTRESOURCEA(IDI_PANEL));
    wc.hCursor = LoadCursorA(instance_, MAKEINTRESOURCEA(IDC_NORMAL));
    wc.hbrBackground = nullptr;  // the window paints all of itself
    wc.lpszMenuName = "Panel";
    wc.lpszClassName = core::kPanelClass;
    return RegisterClassA(&wc) != 0;
}

platform::WindowId Win32PanelHost::CreatePanelWindow(core::PanelContext& ctx, int x, int y, int width, int height) {
    ctx_ = &ctx;
    HWND w = CreateWindowExA(0, core::kPanelClass, core::kPanelTitle, WS_POPUP, x, y, width, height, nullptr,
                             nullptr, instance_, this);
    panel_ = w;
    return reinterpret_cast<platform::WindowId>(w);
}

void Win32PanelHost::UpdatePanel() { UpdateWindow(panel_); }

void Win32PanelHost::LoadAcceleratorTable() {
    accelerators_ = LoadAcceleratorsA(instance_, MAKEINTRESOURCEA(IDA_PANEL));
}

void Win32PanelHost::RegisterPanelHotkey() { RegisterHotKey(panel_, 0, MOD_CONTROL | MOD_ALT, VK_F4); }

int Win32PanelHost::RunMessageLoop() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (accelerators_ != nullptr && TranslateAcceleratorA(msg.hwnd, accelerators_, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

void Win32PanelHost::DestroyPanel() { DestroyWindow(panel_); }

void Win32PanelHost::PostQuit(int exitCode) { PostQuitMessage(exitCode); }

platform::WindowId Win32PanelHost::KeyboardFocus() { return reinterpret_cast<platform::WindowId>(GetFocus()); }

void Win32PanelHost::RunCountryDialog(core::PanelContext& ctx) {
    CountryDialogState state;
    state.ctx = &ctx;
    DialogBoxParamA(instance_, MAKEINTRESOURCEA(IDD_COUNTRY), panel_, CountryDialogProc,
                    reinterpret_cast<LPARAM>(&state));
}

LRESULT CALLBACK Win32PanelHost::WindowProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTA*>(lp);
        SetWindowLongPtrA(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    }
    auto* host = reinterpret_cast<Win32PanelHost*>(GetWindowLongPtrA(w, GWLP_USERDATA));
    if (host == nullptr || host->ctx_ == nullptr) return DefWindowProcA(w, msg, wp, lp);
    if (msg == WM_CREATE) host->panel_ = w;

    if (auto handled = core::HandlePanelMessage(*host->ctx_, reinterpret_cast<platform::WindowId>(w), msg, wp, lp)) {
        return *handled;
    }
    LRESULT result = 0;
    if (host->extra_ != nullptr && host->extra_->Handle(w, msg, wp, lp, result)) return result;
    return DefWindowProcA(w, msg, wp, lp);
}

}  // namespace qor
