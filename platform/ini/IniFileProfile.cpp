#include "platform/ini/IniFileProfile.h"

#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

#include "platform/ini/IniText.h"

namespace platform::ini {

std::string ReadWholeFile(const std::string& path) {
    std::string text;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return text;
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n <= 0) break;  // end of file, or an unreadable file (a directory): what was read counts
        text.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return text;
}

bool ReplaceFile(const std::string& path, std::string_view content) {
    const std::string temp = path + ".~" + std::to_string(::getpid());
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    std::size_t done = 0;
    bool ok = true;
    while (done < content.size()) {
        const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n <= 0) {
            ok = false;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    ok = (::close(fd) == 0) && ok;
    if (ok) ok = ::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) ::unlink(temp.c_str());
    return ok;
}

std::string IniFileProfile::ReadText(std::string_view section, std::string_view key,
                                     std::string_view def, std::size_t capacity) {
    return ReadTextResult(ReadWholeFile(path_), section, key, def, capacity);
}

std::uint32_t IniFileProfile::ReadInt(std::string_view section, std::string_view key, std::int32_t def) {
    return ReadIntResult(ReadWholeFile(path_), section, key, def);
}

template <typename Change>
bool IniFileProfile::Rewrite(Change&& change) {
    Document doc = Document::Parse(ReadWholeFile(path_));
    if (!change(doc)) return true;  // nothing changed: the file stays as it is
    return ReplaceFile(path_, doc.Serialize());
}

bool IniFileProfile::WriteText(std::string_view section, std::string_view key, std::string_view value) {
    return Rewrite([&](Document& d) { return d.Set(section, key, value); });
}

bool IniFileProfile::DeleteKey(std::string_view section, std::string_view key) {
    return Rewrite([&](Document& d) { return d.RemoveKey(section, key); });
}

bool IniFileProfile::DeleteSection(std::string_view section) {
    return Rewrite([&](Document& d) { return d.RemoveSection(section); });
}

}  // namespace platform::ini
