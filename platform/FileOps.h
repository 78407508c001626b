// File details the installer needs beyond Files.h: attributes, single-file
// size and content, whole-file replacement, appending to a text file and
// removing empty directories.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// GetFileAttributesA / SetFileAttributesA bits.
constexpr std::uint32_t kAttrReadOnly = 0x1;
constexpr std::uint32_t kAttrHidden = 0x2;
constexpr std::uint32_t kAttrSystem = 0x4;
constexpr std::uint32_t kAttrDirectory = 0x10;
constexpr std::uint32_t kAttrArchive = 0x20;
constexpr std::uint32_t kAttrNormal = 0x80;

class FileOps {
public:
    virtual ~FileOps() = default;
    virtual std::optional<std::uint32_t> GetAttributes(const std::string& path) = 0;
    virtual bool SetAttributes(const std::string& path, std::uint32_t attributes) = 0;
    // RemoveDirectoryA: only an empty directory goes.
    virtual bool RemoveDirectory(const std::string& path) = 0;
    // Length of a file that can be opened for reading.
    virtual std::optional<std::uint64_t> FileSize(const std::string& path) = 0;
    virtual std::optional<std::vector<std::uint8_t>> ReadAll(const std::string& path) = 0;
    // Creates the file or replaces its whole content (the old length goes too).
    virtual bool WriteAll(const std::string& path, const std::vector<std::uint8_t>& bytes) = 0;
    // Appends bytes to the end of a file, creating it when missing.
    virtual bool AppendText(const std::string& path, const std::string& text) = 0;
};

}  // namespace platform
