#include <windows.h>

#include <algorithm>

#include "platform/win32/Handles.h"
#include "platform/win32/Win32Platform.h"

namespace platform::win32 {
namespace {

// Registry key names are at most 255 characters; keys nest at most 512 deep.
constexpr DWORD kMaxKeyName = 256;
constexpr int kMaxDepth = 512;

HKEY RootKey(RegRoot root) {
    switch (root) {
    case RegRoot::ClassesRoot: return HKEY_CLASSES_ROOT;
    case RegRoot::CurrentUser: return HKEY_CURRENT_USER;
    case RegRoot::LocalMachine: return HKEY_LOCAL_MACHINE;
    case RegRoot::Users: return HKEY_USERS;
    }
    return HKEY_CURRENT_USER;
}

UniqueRegKey OpenKey(HKEY parent, const std::string& path, REGSAM access) {
    UniqueRegKey key;
    if (::RegOpenKeyExA(parent, path.c_str(), 0, access, key.put()) != ERROR_SUCCESS) key.release();
    return key;
}

UniqueRegKey CreateOrOpenKey(RegRoot root, const std::string& path, REGSAM access) {
    UniqueRegKey key;
    DWORD disposition = 0;
    if (::RegCreateKeyExA(RootKey(root), path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr,
                          key.put(), &disposition) != ERROR_SUCCESS) {
        key.release();
    }
    return key;
}

std::vector<std::string> EnumerateSubKeys(HKEY key) {
    std::vector<std::string> names;
    for (DWORD index = 0;; ++index) {
        char name[kMaxKeyName + 1] = {};
        DWORD length = kMaxKeyName;
        const LONG r = ::RegEnumKeyExA(key, index, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (r == ERROR_NO_MORE_ITEMS) break;
        if (r != ERROR_SUCCESS) continue;
        names.emplace_back(name, std::min<DWORD>(length, kMaxKeyName));
    }
    return names;
}

bool DeleteTree(HKEY parent, const std::string& path, int depth) {
    if (depth > kMaxDepth) return false;
    {
        const UniqueRegKey key = OpenKey(parent, path, KEY_ENUMERATE_SUB_KEYS | KEY_QUERY_VALUE);
        if (!key) return false;
        // The names are taken first: deleting while enumerating shifts the indexes.
        for (const std::string& child : EnumerateSubKeys(key.get())) DeleteTree(key.get(), child, depth + 1);
    }
    return ::RegDeleteKeyA(parent, path.c_str()) == ERROR_SUCCESS;
}

bool IsStringType(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ; }

}  // namespace

bool Win32Registry::CreateKey(RegRoot root, const std::string& path) {
    return static_cast<bool>(CreateOrOpenKey(root, path, KEY_READ));
}

bool Win32Registry::KeyExists(RegRoot root, const std::string& path) {
    return static_cast<bool>(OpenKey(RootKey(root), path, KEY_READ));
}

std::optional<std::string> Win32Registry::ReadString(RegRoot root, const std::string& path, const std::string& name) {
    const UniqueRegKey key = OpenKey(RootKey(root), path, KEY_QUERY_VALUE);
    if (!key) return std::nullopt;
    // Asks for the size, then reads into a buffer one byte longer so that a
    // value stored without its terminator still ends; a value that grows in
    // between is asked for again.
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD type = 0, size = 0;
        if (::RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
            !IsStringType(type)) {
            return std::nullopt;
        }
        std::vector<char> buf(static_cast<std::size_t>(size) + 1, '\0');
        DWORD got = size;
        const LONG r = ::RegQueryValueExA(key.get(), name.c_str(), nullptr, &type,
                                          reinterpret_cast<BYTE*>(buf.data()), &got);
        if (r == ERROR_MORE_DATA) continue;
        if (r != ERROR_SUCCESS || !IsStringType(type)) return std::nullopt;
        got = std::min(got, size);
        buf[got] = '\0';
        return std::string(buf.data(), std::find(buf.data(), buf.data() + got, '\0'));
    }
    return std::nullopt;
}

std::optional<std::uint32_t> Win32Registry::ReadDword(RegRoot root, const std::string& path, const std::string& name) {
    const UniqueRegKey key = OpenKey(RootKey(root), path, KEY_QUERY_VALUE);
    if (!key) return std::nullopt;
    DWORD type = 0, value = 0, size = sizeof value;
    if (::RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof value) {
        return std::nullopt;
    }
    return value;
}

bool Win32Registry::WriteString(RegRoot root, const std::string& path, const std::string& name,
                                const std::string& value) {
    const UniqueRegKey key = CreateOrOpenKey(root, path, KEY_SET_VALUE);
    if (!key) return false;
    // The stored size counts the terminating zero.
    return ::RegSetValueExA(key.get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                            static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

bool Win32Registry::WriteDword(RegRoot root, const std::string& path, const std::string& name, std::uint32_t value) {
    const UniqueRegKey key = CreateOrOpenKey(root, path, KEY_SET_VALUE);
    if (!key) return false;
    const DWORD v = value;
    return ::RegSetValueExA(key.get(), name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&v), sizeof v) ==
           ERROR_SUCCESS;
}

bool Win32Registry::DeleteValue(RegRoot root, const std::string& path, const std::string& name) {
    const UniqueRegKey key = OpenKey(RootKey(root), path, KEY_SET_VALUE);
    if (!key) return false;
    return ::RegDeleteValueA(key.get(), name.c_str()) == ERROR_SUCCESS;
}

bool Win32Registry::DeleteKey(RegRoot root, const std::string& path) {
    if (path.find_first_not_of('\\') == std::string::npos) return false;
    return DeleteTree(RootKey(root), path, 0);
}

std::vector<std::string> Win32Registry::SubKeys(RegRoot root, const std::string& path) {
    const UniqueRegKey key = OpenKey(RootKey(root), path, KEY_ENUMERATE_SUB_KEYS);
    if (!key) return {};
    return EnumerateSubKeys(key.get());
}

}  // namespace platform::win32
