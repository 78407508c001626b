#include "platform/ini/SnapshotProfile.h"

#include "platform/ini/IniText.h"

namespace platform::ini {

std::string SnapshotProfile::ReadText(std::string_view section, std::string_view key, std::string_view def,
                                      std::size_t capacity) {
    return ReadTextResult(text_, section, key, def, capacity);
}

std::uint32_t SnapshotProfile::ReadInt(std::string_view section, std::string_view key, std::int32_t def) {
    return ReadIntResult(text_, section, key, def);
}

bool SnapshotProfile::WriteText(std::string_view section, std::string_view key, std::string_view value) {
    const bool ok = backing_.WriteText(section, key, value);
    Refresh();
    return ok;
}

bool SnapshotProfile::DeleteKey(std::string_view section, std::string_view key) {
    const bool ok = backing_.DeleteKey(section, key);
    Refresh();
    return ok;
}

bool SnapshotProfile::DeleteSection(std::string_view section) {
    const bool ok = backing_.DeleteSection(section);
    Refresh();
    return ok;
}

}  // namespace platform::ini
