#include "setup/InstallLog.h"

namespace setup {

namespace {

std::string Where(platform::RegRoot root, const std::string& path) { return RootName(root) + "\\" + path; }

class LoggingStore final : public platform::ProfileStore {
public:
    LoggingStore(platform::ProfileStore& inner, std::unique_ptr<platform::ProfileStore> owned, std::string file,
                 InstallLog& log)
        : inner_(inner), owned_(std::move(owned)), file_(std::move(file)), log_(log) {}
    std::string ReadText(std::string_view s, std::string_view k, std::string_view d, std::size_t c) override {
        return inner_.ReadText(s, k, d, c);
    }
    std::uint32_t ReadInt(std::string_view s, std::string_view k, std::int32_t d) override { return inner_.ReadInt(s, k, d); }
    bool WriteText(std::string_view s, std::string_view k, std::string_view v) override {
        const bool ok = inner_.WriteText(s, k, v);
        log_.Line(std::string(ok ? "INI " : "INI write failed: ") + file_ + " [" + std::string(s) + "] " +
                  std::string(k) + "=" + std::string(v));
        return ok;
    }
    bool DeleteKey(std::string_view s, std::string_view k) override {
        const bool ok = inner_.DeleteKey(s, k);
        log_.Line("INI " + file_ + " [" + std::string(s) + "] " + std::string(k) + " removed");
        return ok;
    }
    bool DeleteSection(std::string_view s) override {
        const bool ok = inner_.DeleteSection(s);
        log_.Line("INI " + file_ + " [" + std::string(s) + "] removed");
        return ok;
    }

private:
    platform::ProfileStore& inner_;
    std::unique_ptr<platform::ProfileStore> owned_;
    std::string file_;
    InstallLog& log_;
};

}  // namespace

void FileLog::Line(const std::string& text) { files_.AppendText(path_, text + "\r\n"); }

std::string RootName(platform::RegRoot root) {
    switch (root) {
        case platform::RegRoot::ClassesRoot: return "HKEY_CLASSES_ROOT";
        case platform::RegRoot::CurrentUser: return "HKEY_CURRENT_USER";
        case platform::RegRoot::LocalMachine: return "HKEY_LOCAL_MACHINE";
        case platform::RegRoot::Users: return "HKEY_USERS";
    }
    return "?";
}

bool LoggingRegistry::CreateKey(platform::RegRoot root, const std::string& path) {
    const bool ok = inner_.CreateKey(root, path);
    if (!ok) log_.Line("Registry key cannot be created: " + Where(root, path));
    return ok;
}

bool LoggingRegistry::WriteString(platform::RegRoot root, const std::string& path, const std::string& name,
                                  const std::string& value) {
    const bool ok = inner_.WriteString(root, path, name, value);
    log_.Line(std::string(ok ? "Registry " : "Registry write failed: ") + Where(root, path) + " \"" + name + "\" = \"" +
              value + "\"");
    return ok;
}

bool LoggingRegistry::WriteDword(platform::RegRoot root, const std::string& path, const std::string& name,
                                 std::uint32_t value) {
    const bool ok = inner_.WriteDword(root, path, name, value);
    log_.Line(std::string(ok ? "Registry " : "Registry write failed: ") + Where(root, path) + " \"" + name +
              "\" = dword:" + std::to_string(value));
    return ok;
}

bool LoggingRegistry::DeleteValue(platform::RegRoot root, const std::string& path, const std::string& name) {
    const bool ok = inner_.DeleteValue(root, path, name);
    if (ok) log_.Line("Registry value removed: " + Where(root, path) + " \"" + name + "\"");
    return ok;
}

bool LoggingRegistry::DeleteKey(platform::RegRoot root, const std::string& path) {
    const bool ok = inner_.DeleteKey(root, path);
    if (ok) log_.Line("Registry key removed: " + Where(root, path));
    return ok;
}

bool LoggingRegistry::DeleteSingleKey(platform::RegRoot root, const std::string& path) {
    const bool ok = keys_.DeleteSingleKey(root, path);
    if (ok) log_.Line("Registry key removed: " + Where(root, path));
    return ok;
}

LoggingProfiles::LoggingProfiles(platform::ProfileProvider& inner, InstallLog& log)
    : inner_(inner), log_(log), winIni_(std::make_unique<LoggingStore>(inner.WinIni(), nullptr, "win.ini", log)) {}

LoggingProfiles::~LoggingProfiles() = default;

std::unique_ptr<platform::ProfileStore> LoggingProfiles::OpenPrivate(const std::string& path) {
    auto store = inner_.OpenPrivate(path);
    platform::ProfileStore& ref = *store;
    return std::make_unique<LoggingStore>(ref, std::move(store), path, log_);
}

platform::ProfileStore& LoggingProfiles::WinIni() { return *winIni_; }

}  // namespace setup
