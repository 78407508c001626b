#include "core/Startup.h"

#include <memory>

namespace core {

std::string BuildIniPath(const std::string& directory, const std::string& name) {
    std::string path = directory + "\\" + name;
    if (path.size() > kIniPathCapacity - 1) path.resize(kIniPathCapacity - 1);
    return path;
}

IniPaths ReadIniPaths(platform::ProfileStore& winIni, const std::string& installDirectory) {
    IniPaths p;
    p.panel = BuildIniPath(installDirectory, winIni.ReadText("AP", "QorPanelIniFile", "", 260));
    p.settings = BuildIniPath(installDirectory, winIni.ReadText("AP", "QorSettingIniFile", "", 260));
    return p;
}

PanelPlacement PlacePanel(int screenWidth, int screenHeight, PanelSize base) {
    return {screenWidth / 2 - base.width / 2, screenHeight - base.height - 40, base.width, base.height};
}

bool HandOverToRunningPanel(platform::Windows& windows, platform::ProfileStore& settings) {
    const platform::WindowId running = windows.Find(kPanelClass, kPanelTitle);
    if (running == 0) return false;
    windows.SetForeground(running);
    windows.Show(running, platform::win::kSwRestore);
    if (const std::uint16_t command = SourceCommandFor(ReadInputSource(settings))) {
        windows.Post(running, platform::win::kWmCommand, platform::win::MakeCommandWParam(command), 0);
    }
    return true;
}

int RunPanel(PanelServices& services, PanelSession& session) {
    // Steps 1-3; every way out of this function gives the settings back.
    PowerGuard power(services.system);

    // Steps 4-5.
    platform::ProfileStore& winIni = services.profiles.WinIni();
    const std::string installDir = winIni.ReadText("AP", "222APDirectory", "", 260);
    services.files.SetCurrentDirectory(installDir);
    const IniPaths paths = ReadIniPaths(winIni, installDir);
    std::unique_ptr<platform::ProfileStore> settings = services.profiles.OpenPrivate(paths.settings);
    std::unique_ptr<platform::ProfileStore> panelIni = services.profiles.OpenPrivate(paths.panel);

    // Step 6: the frequency library.
    std::unique_ptr<channels::FreqLibrary> library;
    const std::string systemDir = services.files.SystemDirectory();
    if (!systemDir.empty()) library = services.host.LoadFreqLibrary(systemDir + "\\KvTV.dll");
    if (!library) {
        services.host.ShowMessage(kNoLibraryMessage);
        return 0;
    }

    PanelContext ctx(services, session, *settings, *panelIni);
    ctx.power = &power;
    ctx.panelIniPath = paths.panel;
    ctx.library = library.get();
    ctx.countryCount = library->CountryCount();  // step 7
    services.parts.Bind(ctx);

    // Step 8.
    services.parts.LoadPanelLayout();
    services.parts.LoadMovedButtons(0);

    // Step 9: a panel runs already.
    if (HandOverToRunningPanel(services.windows, *settings)) return 0;

    // Steps 10-11.
    if (!services.host.RegisterPanelClass()) return 0;
    const PanelPlacement at =
        PlacePanel(services.system.ScreenWidth(), services.system.ScreenHeight(), services.parts.BasePanelSize());
    const platform::WindowId panel = services.host.CreatePanelWindow(ctx, at.x, at.y, at.width, at.height);
    if (panel == 0) return 0;
    ctx.panel = panel;

    // Steps 12-17.
    services.windows.SetTopmost(panel, settings->ReadText("vemla", "AlwaysOnTop", "", 260) == "TRUE");
    services.timers.Start(panel, kClockTimer, kClockPeriodMs);
    services.host.UpdatePanel();
    services.host.LoadAcceleratorTable();
    services.mixer.SetInputLineMute(0);
    services.host.RegisterPanelHotkey();

    // Step 18.
    return services.host.RunMessageLoop();
}

}  // namespace core
