// Everything the panel's core logic works with, in one place: the platform
// services, the program's own parts, the run-time state record, the two INI
// files and win.ini, the TV window link and the frequency library.
#pragma once

#include <cstdint>
#include <string>

#include "channels/FreqLibrary.h"
#include "core/MixerControl.h"
#include "core/PanelHost.h"
#include "core/PanelParts.h"
#include "core/PanelSession.h"
#include "core/Power.h"
#include "platform/Clock.h"
#include "platform/Files.h"
#include "platform/Processes.h"
#include "platform/Profile.h"
#include "platform/Registry.h"
#include "platform/System.h"
#include "platform/Timers.h"
#include "platform/WinConst.h"
#include "platform/Windows.h"
#include "tvlink/TvLink.h"

namespace core {

// What the program hands to the core (all owned by the program).
struct PanelServices {
    platform::Windows& windows;
    platform::Timers& timers;
    platform::Clock& clock;
    platform::System& system;
    platform::Processes& processes;
    platform::Files& files;
    platform::Registry& registry;
    platform::ProfileProvider& profiles;
    PanelHost& host;
    PanelParts& parts;
    MixerControl& mixer;
};

struct PanelContext {
    PanelContext(PanelServices& services, PanelSession& session, platform::ProfileStore& settingsIni,
                 platform::ProfileStore& panelIniFile)
        : windows(services.windows),
          timers(services.timers),
          clock(services.clock),
          system(services.system),
          processes(services.processes),
          files(services.files),
          registry(services.registry),
          host(services.host),
          parts(services.parts),
          mixer(services.mixer),
          s(session),
          settings(settingsIni),
          panelIni(panelIniFile),
          winIni(services.profiles.WinIni()),
          tv(services.windows, services.processes, winIni, services.files, session.TvWindow) {}

    platform::Windows& windows;
    platform::Timers& timers;
    platform::Clock& clock;
    platform::System& system;
    platform::Processes& processes;
    platform::Files& files;
    platform::Registry& registry;
    PanelHost& host;
    PanelParts& parts;
    MixerControl& mixer;

    PanelSession& s;
    platform::ProfileStore& settings;  // QorSFile.ini
    platform::ProfileStore& panelIni;  // QorPFile.ini
    std::string panelIniPath;          // its path, for whole-file reads
    platform::ProfileStore& winIni;
    tvlink::TvLink tv;

    channels::FreqLibrary* library = nullptr;  // bound at start, lives for the run
    int countryCount = 0;                      // KvGetContryInfo, asked once
    platform::WindowId panel = 0;              // the panel window
    PowerGuard* power = nullptr;               // the saved power settings
    bool destroyed = false;                    // the WM_DESTROY work has run

    // WM_COMMAND to the panel itself: queued, or run at once (nested).
    bool PostToSelf(std::uint16_t id, std::intptr_t lParam = 0) {
        return windows.Post(panel, platform::win::kWmCommand, platform::win::MakeCommandWParam(id), lParam);
    }
    std::intptr_t SendToSelf(std::uint16_t id, std::intptr_t lParam = 0) {
        return windows.Send(panel, platform::win::kWmCommand, platform::win::MakeCommandWParam(id), lParam);
    }
};

}  // namespace core
