// qor: the tuner card's control panel.
#include <windows.h>

#include "core/PanelContext.h"
#include "core/Startup.h"
#include "platform/StdClock.h"
#include "platform/win32/Win32Platform.h"
#include "platform/win32/Win32Profile.h"
#include "qor/QorParts.h"
#include "qor/Win32PanelHost.h"
#include "qor/SoundCardMixer.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    platform::win32::Win32Windows windows;
    platform::win32::Win32Timers timers;
    platform::StdClock clock;
    platform::win32::Win32System system;
    platform::win32::Win32Processes processes;
    platform::win32::Win32Files files;
    platform::win32::Win32Registry registry;
    platform::win32::Win32ProfileProvider profiles;

    qor::Win32PanelHost host(instance);
    qor::QorParts parts(host);
    host.SetExtra(&parts);
    qor::SoundCardMixer mixer;

    core::PanelServices services{windows, timers, clock, system, processes, files, registry, profiles,
                                 host,    parts,  mixer};
    core::PanelSession session;
    return core::RunPanel(services, session);
}
