// Everything the setup program's logic reaches outside itself, in one
// place: the Win32 layer fills it with the real operations, tests with
// in-memory ones, unattended runs with logging and headless variants.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "platform/Clock.h"
#include "platform/Dde.h"
#include "platform/DirectX.h"
#include "platform/FileOps.h"
#include "platform/Files.h"
#include "platform/Processes.h"
#include "platform/Profile.h"
#include "platform/Registry.h"
#include "platform/RegistryKeys.h"
#include "platform/SetupSystem.h"
#include "platform/SetupUi.h"
#include "platform/ShellLink.h"
#include "platform/VersionInstall.h"
#include "setup/InstallLog.h"
#include "setup/SetupText.h"

namespace setup {

struct SetupServices {
    platform::Files& files;
    platform::FileOps& fileOps;
    platform::Registry& registry;
    platform::RegistryKeys& registryKeys;
    platform::ProfileProvider& profiles;
    platform::Processes& processes;
    platform::VersionInstall& versionInstall;
    platform::DdeClient& dde;
    platform::ShellLinks& shellLinks;
    platform::MessageBoxes& boxes;
    platform::StringTable& strings;
    platform::SetupDialogs& dialogs;
    platform::SetupSystem& system;
    platform::DirectXProbe& directX;
    platform::Clock& clock;
    InstallLog& log;
};

// A string value read into a buffer of `capacity` bytes: a text that does
// not fit with its terminating zero is not read at all (the system answers
// "more data"), so no caller ever sees a cut or unterminated text.
inline std::optional<std::string> ReadRegText(platform::Registry& reg, platform::RegRoot root, const std::string& path,
                                              const std::string& name, std::size_t capacity) {
    auto value = reg.ReadString(root, path, name);
    if (!value || value->size() + 1 > capacity) return std::nullopt;
    return value;
}

// Loads a string resource, falling back to the English text this program fixes.
inline std::string LoadText(platform::StringTable& strings, unsigned id) {
    std::string s = strings.Load(id);
    return s.empty() ? EnglishString(id) : s;
}

}  // namespace setup
