// System facts and operations of the setup program: the version word, its
// own file name, environment expansion, the language of a system file and
// restarting the machine.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// ShowWindow / WinExec show commands.
constexpr int kSwHide = 0;
constexpr int kSwShow = 5;

class SetupSystem {
public:
    virtual ~SetupSystem() = default;
    virtual std::uint32_t Version() = 0;            // GetVersion()
    virtual std::string ModuleFileName() = 0;       // full path of the running program
    // ExpandEnvironmentStringsA: undefined variables stay as written.
    virtual std::string ExpandEnvironment(const std::string& text) = 0;
    // First language identifier of "\VarFileInfo\Translation"; none when the
    // file has no version information.
    virtual std::optional<std::uint16_t> FileLanguage(const std::string& path) = 0;
    virtual bool ExitWindowsReboot() = 0;           // ExitWindowsEx(EWX_REBOOT, 0)
    // Opens the process token and enables SeShutdownPrivilege; false only
    // when the token cannot be opened.
    virtual bool EnableShutdownPrivilege() = 0;
};

}  // namespace platform
