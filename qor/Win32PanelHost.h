// The panel program's own window, loop and modal dialogs on Win32: the
// window class, the window procedure (a translation onto the core), the
// accelerators, the hotkey and the country dialog.
#pragma once

#include <windows.h>

#include "core/PanelHost.h"

namespace qor {

class Win32PanelHost final : public core::PanelHost {
public:
    explicit Win32PanelHost(HINSTANCE instance) : instance_(instance) {}
    ~Win32PanelHost() override;

    std::unique_ptr<channels::FreqLibrary> LoadFreqLibrary(const std::string& path) override;
    void ShowMessage(const std::string& text) override;
    bool RegisterPanelClass() override;
    platform::WindowId CreatePanelWindow(core::PanelContext& ctx, int x, int y, int width, int height) override;
    void UpdatePanel() override;
    void LoadAcceleratorTable() override;
    void RegisterPanelHotkey() override;
    int RunMessageLoop() override;
    void DestroyPanel() override;
    void PostQuit(int exitCode) override;
    platform::WindowId KeyboardFocus() override;
    void RunCountryDialog(core::PanelContext& ctx) override;

    HWND Panel() const { return panel_; }
    HINSTANCE Instance() const { return instance_; }

    // What the window procedure does besides the core: painting and the
    // mouse, keys and tray (filled in by the program's parts).
    class Extra {
    public:
        virtual ~Extra() = default;
        virtual bool Handle(HWND w, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) = 0;
    };
    void SetExtra(Extra* extra) { extra_ = extra; }

private:
    static LRESULT CALLBACK WindowProc(HWND w, UINT msg, WPARAM wp, LPARAM lp);

    HINSTANCE instance_;
    HWND panel_ = nullptr;
    HACCEL accelerators_ = nullptr;
    HMODULE library_ = nullptr;
    core::PanelContext* ctx_ = nullptr;
    Extra* extra_ = nullptr;
};

}  // namespace qor
