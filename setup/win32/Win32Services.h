// The setup program's services on the real system: one object that owns
// every Win32 implementation and hands them out as the portable services.
#pragma once

#include "setup/win32/Win.h"

#include "platform/StdClock.h"
#include "platform/win32/Win32Platform.h"
#include "platform/win32/Win32Profile.h"
#include "platform/win32/Win32Setup.h"
#include "platform/win32/Win32SetupUi.h"
#include "setup/InstallLog.h"
#include "setup/SetupServices.h"

namespace setup::win32 {

struct Win32Services {
    explicit Win32Services(HINSTANCE module) : module(module), strings(module), dialogs(module) {}
    Win32Services(const Win32Services&) = delete;
    Win32Services& operator=(const Win32Services&) = delete;

    HINSTANCE module;
    platform::win32::Win32Files files;
    platform::win32::Win32FileOps fileOps;
    platform::win32::Win32Registry registry;
    platform::win32::Win32RegistryKeys registryKeys;
    platform::win32::Win32ProfileProvider profiles;
    platform::win32::Win32Processes processes;
    platform::win32::Win32VersionInstall versionInstall;
    platform::win32::Win32DdeClient dde;
    platform::win32::Win32ShellLinks shellLinks;
    platform::win32::Win32MessageBoxes boxes;
    platform::win32::Win32StringTable strings;
    platform::win32::Win32SetupDialogs dialogs;
    platform::win32::Win32SetupSystem system;
    platform::win32::Win32DirectXProbe directX;
    platform::win32::Win32Windows windows;
    platform::StdClock clock;
    NullLog log;   // interactive runs keep no log

    SetupServices services{files,  fileOps, registry, registryKeys, profiles, processes, versionInstall, dde,
                           shellLinks, boxes, strings, dialogs, system, directX, clock, log};
};

}  // namespace setup::win32
