// Registry (shape): keys by root and path, string and DWORD values, key
// enumeration and deletion.  Strings are written with their terminator and
// read bounded.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

enum class RegRoot { ClassesRoot, CurrentUser, LocalMachine, Users };

class Registry {
public:
    virtual ~Registry() = default;
    virtual bool CreateKey(RegRoot root, const std::string& path) = 0;
    virtual bool KeyExists(RegRoot root, const std::string& path) = 0;
    virtual std::optional<std::string> ReadString(RegRoot root, const std::string& path, const std::string& name) = 0;
    virtual std::optional<std::uint32_t> ReadDword(RegRoot root, const std::string& path, const std::string& name) = 0;
    virtual bool WriteString(RegRoot root, const std::string& path, const std::string& name, const std::string& value) = 0;
    virtual bool WriteDword(RegRoot root, const std::string& path, const std::string& name, std::uint32_t value) = 0;
    virtual bool DeleteValue(RegRoot root, const std::string& path, const std::string& name) = 0;
    virtual bool DeleteKey(RegRoot root, const std::string& path) = 0;  // the key and its subkeys
    virtual std::vector<std::string> SubKeys(RegRoot root, const std::string& path) = 0;
};

}  // namespace platform
