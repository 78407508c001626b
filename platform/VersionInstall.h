// Version-aware file installation (VerInstallFileA).  A source in the
// platform's LZ-compressed format is expanded on the way; any other source
// is copied unchanged.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// Install flags.
constexpr std::uint32_t kViffForceInstall = 0x1;
constexpr std::uint32_t kViffDontDeleteOld = 0x2;

// Result bits.
constexpr std::uint32_t kVifTempFile = 0x1;             // a temporary copy was left in the target directory
constexpr std::uint32_t kVifMismatch = 0x2;
constexpr std::uint32_t kVifSrcOld = 0x4;
constexpr std::uint32_t kVifDiffLang = 0x8;
constexpr std::uint32_t kVifDiffCodePage = 0x10;
constexpr std::uint32_t kVifDiffType = 0x20;
constexpr std::uint32_t kVifWriteProt = 0x40;
constexpr std::uint32_t kVifFileInUse = 0x80;
constexpr std::uint32_t kVifOutOfSpace = 0x100;
constexpr std::uint32_t kVifAccessViolation = 0x200;
constexpr std::uint32_t kVifSharingViolation = 0x400;
constexpr std::uint32_t kVifCannotCreate = 0x800;
constexpr std::uint32_t kVifCannotDelete = 0x1000;
constexpr std::uint32_t kVifCannotRename = 0x2000;
constexpr std::uint32_t kVifCannotDeleteCur = 0x4000;
constexpr std::uint32_t kVifOutOfMemory = 0x8000;
constexpr std::uint32_t kVifCannotReadSrc = 0x10000;
constexpr std::uint32_t kVifCannotReadDst = 0x20000;
constexpr std::uint32_t kVifBuffTooSmall = 0x40000;
constexpr std::uint32_t kVifCannotLoadLz32 = 0x80000;
constexpr std::uint32_t kVifCannotLoadCabinet = 0x100000;

class VersionInstall {
public:
    virtual ~VersionInstall() = default;
    // Installs sourceDir\sourceName as targetDir\destName.  currentDir is the
    // directory of an existing version ("" for none).  tempName receives the
    // name of a temporary file left in targetDir when the result has
    // kVifTempFile.
    virtual std::uint32_t Install(std::uint32_t flags, const std::string& sourceName,
                                  const std::string& destName, const std::string& sourceDir,
                                  const std::string& targetDir, const std::string& currentDir,
                                  std::string& tempName) = 0;
};

}  // namespace platform
