#include "platform/fake/FakeProfile.h"

#include "platform/ini/IniText.h"

namespace platform::fake {

namespace {
// Forwards to a file held by the provider, so several users share it.
class SharedProfile final : public ProfileStore {
public:
    explicit SharedProfile(MemoryProfile& file) : file_(file) {}
    std::string ReadText(std::string_view s, std::string_view k, std::string_view d, std::size_t c) override {
        return file_.ReadText(s, k, d, c);
    }
    std::uint32_t ReadInt(std::string_view s, std::string_view k, std::int32_t d) override {
        return file_.ReadInt(s, k, d);
    }
    bool WriteText(std::string_view s, std::string_view k, std::string_view v) override {
        return file_.WriteText(s, k, v);
    }
    bool DeleteKey(std::string_view s, std::string_view k) override { return file_.DeleteKey(s, k); }
    bool DeleteSection(std::string_view s) override { return file_.DeleteSection(s); }

private:
    MemoryProfile& file_;
};
}  // namespace

std::string MemoryProfile::ReadText(std::string_view section, std::string_view key,
                                    std::string_view def, std::size_t capacity) {
    return ini::ReadTextResult(text_, section, key, def, capacity);
}

std::uint32_t MemoryProfile::ReadInt(std::string_view section, std::string_view key, std::int32_t def) {
    return ini::ReadIntResult(text_, section, key, def);
}

template <typename Change>
bool MemoryProfile::Rewrite(Change&& change) {
    ini::Document doc = ini::Document::Parse(text_);
    if (!change(doc)) return true;
    text_ = doc.Serialize();
    ++writes_;
    return true;
}

bool MemoryProfile::WriteText(std::string_view section, std::string_view key, std::string_view value) {
    return Rewrite([&](ini::Document& d) { return d.Set(section, key, value); });
}

bool MemoryProfile::DeleteKey(std::string_view section, std::string_view key) {
    return Rewrite([&](ini::Document& d) { return d.RemoveKey(section, key); });
}

bool MemoryProfile::DeleteSection(std::string_view section) {
    return Rewrite([&](ini::Document& d) { return d.RemoveSection(section); });
}

std::unique_ptr<ProfileStore> MemoryProfiles::OpenPrivate(const std::string& path) {
    return std::make_unique<SharedProfile>(files_[path]);
}

}  // namespace platform::fake
