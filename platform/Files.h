// Files and disk (shape): existence, search by pattern, deletion, copying,
// free space, and the Windows, system and current directories.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

struct FoundFile {
    std::string name;          // without directory
    std::uint64_t size = 0;
    bool directory = false;
};

class Files {
public:
    virtual ~Files() = default;
    virtual bool Exists(const std::string& path) = 0;
    virtual std::vector<FoundFile> Find(const std::string& pattern) = 0;      // FindFirstFileA loop
    virtual bool Delete(const std::string& path) = 0;
    virtual bool Copy(const std::string& from, const std::string& to) = 0;   // replaces the target
    virtual bool CreateDirectory(const std::string& path) = 0;
    virtual std::optional<std::uint64_t> FreeBytes(const std::string& directory) = 0;  // GetDiskFreeSpaceExA
    virtual std::string WindowsDirectory() = 0;
    virtual std::string SystemDirectory() = 0;       // empty when unknown
    virtual std::string CurrentDirectory() = 0;
    virtual bool SetCurrentDirectory(const std::string& path) = 0;
};

}  // namespace platform
