// The install log of unattended runs, and pass-through registry and
// profile stores that put every value written into it.
#pragma once

#include <memory>
#include <string>

#include "platform/FileOps.h"
#include "platform/Profile.h"
#include "platform/Registry.h"
#include "platform/RegistryKeys.h"

namespace setup {

class InstallLog {
public:
    virtual ~InstallLog() = default;
    virtual void Line(const std::string& text) = 0;
};

class NullLog final : public InstallLog {
public:
    void Line(const std::string&) override {}
};

// Appends each line with CR LF to a file; a line that cannot be written is lost.
class FileLog final : public InstallLog {
public:
    FileLog(platform::FileOps& files, std::string path) : files_(files), path_(std::move(path)) {}
    void Line(const std::string& text) override;

private:
    platform::FileOps& files_;
    std::string path_;
};

std::string RootName(platform::RegRoot root);   // "HKEY_LOCAL_MACHINE" ...

class LoggingRegistry final : public platform::Registry, public platform::RegistryKeys {
public:
    LoggingRegistry(platform::Registry& inner, platform::RegistryKeys& keys, InstallLog& log)
        : inner_(inner), keys_(keys), log_(log) {}
    bool CreateKey(platform::RegRoot root, const std::string& path) override;
    bool KeyExists(platform::RegRoot root, const std::string& path) override { return inner_.KeyExists(root, path); }
    std::optional<std::string> ReadString(platform::RegRoot root, const std::string& path, const std::string& name) override {
        return inner_.ReadString(root, path, name);
    }
    std::optional<std::uint32_t> ReadDword(platform::RegRoot root, const std::string& path, const std::string& name) override {
        return inner_.ReadDword(root, path, name);
    }
    bool WriteString(platform::RegRoot root, const std::string& path, const std::string& name, const std::string& value) override;
    bool WriteDword(platform::RegRoot root, const std::string& path, const std::string& name, std::uint32_t value) override;
    bool DeleteValue(platform::RegRoot root, const std::string& path, const std::string& name) override;
    bool DeleteKey(platform::RegRoot root, const std::string& path) override;
    std::vector<std::string> SubKeys(platform::RegRoot root, const std::string& path) override {
        return inner_.SubKeys(root, path);
    }
    bool DeleteSingleKey(platform::RegRoot root, const std::string& path) override;

private:
    platform::Registry& inner_;
    platform::RegistryKeys& keys_;
    InstallLog& log_;
};

// Profile stores whose writes are logged with the file's name.
class LoggingProfiles final : public platform::ProfileProvider {
public:
    LoggingProfiles(platform::ProfileProvider& inner, InstallLog& log);
    ~LoggingProfiles() override;
    std::unique_ptr<platform::ProfileStore> OpenPrivate(const std::string& path) override;
    platform::ProfileStore& WinIni() override;

private:
    platform::ProfileProvider& inner_;
    InstallLog& log_;
    std::unique_ptr<platform::ProfileStore> winIni_;
};

}  // namespace setup
