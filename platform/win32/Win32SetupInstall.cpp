#include <windows.h>

#include <winver.h>

#include <cstring>

#include "platform/win32/Win32Setup.h"

namespace platform::win32 {

std::uint32_t Win32VersionInstall::Install(std::uint32_t flags, const std::string& sourceName,
                                           const std::string& destName, const std::string& sourceDir,
                                           const std::string& targetDir, const std::string& currentDir,
                                           std::string& tempName) {
    // The system's declaration takes writable texts; it does not write them.
    std::string source = sourceName, dest = destName, from = sourceDir, to = targetDir, current = currentDir;
    char temp[MAX_PATH] = {};
    UINT tempLength = MAX_PATH;
    const DWORD r = ::VerInstallFileA(flags, source.data(), dest.data(), from.data(), to.data(), current.data(),
                                      temp, &tempLength);
    // With VIF_BUFFTOOSMALL the buffer holds no usable name.
    tempName = (r & VIF_BUFFTOOSMALL) ? std::string() : std::string(temp, ::strnlen(temp, MAX_PATH));
    return r;
}

}  // namespace platform::win32
