// The installer's system interfaces on the real Win32 functions: file
// details, single registry keys, version-aware installation, Program
// Manager DDE, shell links, the DirectX probe and the system facts and
// operations of the setup program.  Like Win32Platform.h this header does
// not include <windows.h>.
#pragma once

#include "platform/Dde.h"
#include "platform/DirectX.h"
#include "platform/FileOps.h"
#include "platform/RegistryKeys.h"
#include "platform/SetupSystem.h"
#include "platform/ShellLink.h"
#include "platform/VersionInstall.h"

namespace platform::win32 {

// GetFileAttributesA, SetFileAttributesA, RemoveDirectoryA and whole-file
// reads and writes through CreateFileA.  WriteAll writes the new content
// beside the file and moves it into place, so a failed write leaves the old
// file as it was.
class Win32FileOps final : public FileOps {
public:
    std::optional<std::uint32_t> GetAttributes(const std::string& path) override;
    bool SetAttributes(const std::string& path, std::uint32_t attributes) override;
    bool RemoveDirectory(const std::string& path) override;
    std::optional<std::uint64_t> FileSize(const std::string& path) override;
    std::optional<std::vector<std::uint8_t>> ReadAll(const std::string& path) override;
    bool WriteAll(const std::string& path, const std::vector<std::uint8_t>& bytes) override;
    bool AppendText(const std::string& path, const std::string& text) override;
};

// RegDeleteKeyA on one key.  An empty path is refused: it would name the root.
class Win32RegistryKeys final : public RegistryKeys {
public:
    bool DeleteSingleKey(RegRoot root, const std::string& path) override;
};

// VerInstallFileA.  The temporary-name buffer holds 260 characters; when the
// system reports a longer name the result carries kVifBuffTooSmall and the
// name is left empty.
class Win32VersionInstall final : public VersionInstall {
public:
    std::uint32_t Install(std::uint32_t flags, const std::string& sourceName, const std::string& destName,
                          const std::string& sourceDir, const std::string& targetDir, const std::string& currentDir,
                          std::string& tempName) override;
};

// DdeInitializeA as a client only, one instance per conversation; the
// conversation ends with DdeDisconnect, both string handles freed and
// DdeUninitialize.
class Win32DdeClient final : public DdeClient {
public:
    std::unique_ptr<DdeConversation> Connect(const std::string& service, const std::string& topic) override;
};

// The shell's link object (IShellLinkA) saved through IPersistFile.  COM is
// initialised for the call when the thread has not done so.
class Win32ShellLinks final : public ShellLinks {
public:
    std::int32_t Create(const std::string& linkFile, const ShellLinkSpec& link) override;
};

// The DirectDraw-based probe: DDRAW.DLL, DINPUT.DLL and D3D8.DLL are loaded
// at run time (nothing links them), DirectMusic is asked through COM.  Each
// failing step writes its line to the debugger output.
class Win32DirectXProbe final : public DirectXProbe {
public:
    std::uint32_t ProbeDirectXLevel() override;
};

class Win32SetupSystem final : public SetupSystem {
public:
    std::uint32_t Version() override;                          // GetVersion
    std::string ModuleFileName() override;                     // GetModuleFileNameA, never cut short
    std::string ExpandEnvironment(const std::string& text) override;   // whole, however long
    std::optional<std::uint16_t> FileLanguage(const std::string& path) override;
    bool ExitWindowsReboot() override;
    bool EnableShutdownPrivilege() override;
};

}  // namespace platform::win32
