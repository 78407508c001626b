// qordrive: drives windows, settings files, the registry and the file system
// from the command line, so that tests can run the suite's programs under
// Wine and look at what they did.  Class or title "-" stands for "any" (a
// null argument); registry value name "-" is the key's default value.
// Results go to standard output, one per line, in binary mode.
// Exit 0 on success, 1 on failure or time-out, 2 on a usage error.
#include <windows.h>
// The portable interfaces have methods of these names; <windows.h> makes them macros.
#undef CreateDirectory
#undef SetCurrentDirectory

#include <fcntl.h>
#include <io.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/win32/Handles.h"
#include "platform/win32/Win32Mixer.h"
#include "platform/win32/Win32Platform.h"
#include "platform/win32/Win32Profile.h"

namespace {

using platform::RegRoot;
using platform::win32::UniqueRegKey;

constexpr int kOk = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;
constexpr DWORD kSendTimeoutMs = 15000;
constexpr DWORD kPollMs = 20;

struct Args {
    std::vector<std::string> v;
    const std::string& operator[](std::size_t i) const { return v[i]; }
};

void Print(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

int Usage(const std::string& why) {
    std::fprintf(stderr, "qordrive: %s\n", why.c_str());
    return kUsage;
}

// Decimal with an optional sign, or hexadecimal after "0x".
bool ParseNumber(const std::string& text, long long& out) {
    if (text.empty()) return false;
    errno = 0;
    char* end = nullptr;
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const long long v = hex ? static_cast<long long>(std::strtoull(text.c_str() + 2, &end, 16))
                            : std::strtoll(text.c_str(), &end, 10);
    if (errno != 0 || end == nullptr || *end != '\0') return false;
    out = v;
    return true;
}

std::string Nullable(const std::string& s) { return s == "-" ? std::string() : s; }

// ---- windows ---------------------------------------------------------------

// Stateless: a fresh one per use.
platform::win32::Win32Windows Windows() { return {}; }

HWND FindTarget(const Args& a) {
    return reinterpret_cast<HWND>(Windows().Find(Nullable(a[0]), Nullable(a[1])));
}

bool WaitFor(const Args& a, long long ms, bool present) {
    const DWORD start = ::GetTickCount();
    for (;;) {
        if ((FindTarget(a) != nullptr) == present) return true;
        if (static_cast<long long>(::GetTickCount() - start) >= ms) return false;
        ::Sleep(kPollMs);
    }
}

int Find(const Args& a) {
    const HWND w = FindTarget(a);
    if (w == nullptr) return kFailed;
    Print(std::to_string(reinterpret_cast<std::uintptr_t>(w)));
    return kOk;
}

int Wait(const Args& a) {
    long long ms = 0;
    if (!ParseNumber(a[2], ms)) return Usage("bad time-out");
    if (!WaitFor(a, ms, true)) return kFailed;
    return Find(a);
}

int Gone(const Args& a) {
    long long ms = 0;
    if (!ParseNumber(a[2], ms)) return Usage("bad time-out");
    return WaitFor(a, ms, false) ? kOk : kFailed;
}

bool ParseMessage(const Args& a, std::size_t first, long long& msg, long long& wParam, long long& lParam) {
    return ParseNumber(a[first], msg) && ParseNumber(a[first + 1], wParam) && ParseNumber(a[first + 2], lParam);
}

int Post(const Args& a) {
    long long msg = 0, wParam = 0, lParam = 0;
    if (!ParseMessage(a, 2, msg, wParam, lParam)) return Usage("bad message numbers");
    const HWND w = FindTarget(a);
    if (w == nullptr) return kFailed;
    return Windows().Post(reinterpret_cast<platform::WindowId>(w), static_cast<std::uint32_t>(msg),
                          static_cast<std::uintptr_t>(wParam), static_cast<std::intptr_t>(lParam))
               ? kOk
               : kFailed;
}

int Send(const Args& a) {
    long long msg = 0, wParam = 0, lParam = 0;
    if (!ParseMessage(a, 2, msg, wParam, lParam)) return Usage("bad message numbers");
    const HWND w = FindTarget(a);
    if (w == nullptr) return kFailed;
    DWORD_PTR result = 0;
    if (!::SendMessageTimeoutA(w, static_cast<UINT>(msg), static_cast<WPARAM>(wParam), static_cast<LPARAM>(lParam),
                               SMTO_NORMAL, kSendTimeoutMs, &result)) {
        return kFailed;
    }
    Print(std::to_string(static_cast<long long>(static_cast<LRESULT>(result))));
    return kOk;
}

int Command(const Args& a) {
    long long id = 0, lParam = 0;
    if (!ParseNumber(a[2], id) || !ParseNumber(a[3], lParam)) return Usage("bad command numbers");
    const HWND w = FindTarget(a);
    if (w == nullptr) return kFailed;
    return Windows().Post(reinterpret_cast<platform::WindowId>(w), WM_COMMAND, static_cast<std::uintptr_t>(id),
                          static_cast<std::intptr_t>(lParam))
               ? kOk
               : kFailed;
}

int Rect(const Args& a) {
    const HWND w = FindTarget(a);
    RECT r{};
    if (w == nullptr || !::GetWindowRect(w, &r)) return kFailed;
    Print(std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right - r.left) + " " +
          std::to_string(r.bottom - r.top));
    return kOk;
}

template <typename Test>
int WindowFlag(const Args& a, Test&& test) {
    const HWND w = FindTarget(a);
    if (w == nullptr) return kFailed;
    Print(test(w) ? "1" : "0");
    return kOk;
}

int Visible(const Args& a) { return WindowFlag(a, [](HWND w) { return ::IsWindowVisible(w) != FALSE; }); }
int Iconic(const Args& a) { return WindowFlag(a, [](HWND w) { return ::IsIconic(w) != FALSE; }); }
int Topmost(const Args& a) {
    return WindowFlag(a, [](HWND w) { return (::GetWindowLongPtrA(w, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; });
}

int Show(const Args& a) {
    long long cmd = 0;
    if (!ParseNumber(a[2], cmd)) return Usage("bad show command");
    const HWND w = FindTarget(a);
    if (w == nullptr) return kFailed;
    Windows().Show(reinterpret_cast<platform::WindowId>(w), static_cast<int>(cmd));
    return kOk;
}

int SetTopmost(const Args& a) {
    long long on = 0;
    if (!ParseNumber(a[2], on)) return Usage("bad flag");
    const HWND w = FindTarget(a);
    if (w == nullptr) return kFailed;
    Windows().SetTopmost(reinterpret_cast<platform::WindowId>(w), on != 0);
    return kOk;
}

// A window of the given class and title that prints every WM_COMMAND it
// receives, as "WM_COMMAND <id> <lParam> <posted|sent>", until WM_CLOSE or
// the time given.
constexpr UINT_PTR kListenTimer = 1;

LRESULT CALLBACK ListenProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_COMMAND:
        Print("WM_COMMAND " + std::to_string(LOWORD(wParam)) + " " + std::to_string(static_cast<long long>(lParam)) +
              (::InSendMessage() ? " sent" : " posted"));
        return 0;
    case WM_TIMER:
        if (wParam == kListenTimer) ::DestroyWindow(hwnd);
        return 0;
    case WM_CLOSE:
        ::DestroyWindow(hwnd);
        return 0;
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    default:
        return ::DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

int Listen(const Args& a) {
    long long ms = 0;
    if (a[0] == "-" || !ParseNumber(a[2], ms) || ms <= 0) return Usage("listen needs a class and a time");
    const HINSTANCE instance = ::GetModuleHandleA(nullptr);
    WNDCLASSA wc{};
    wc.lpfnWndProc = ListenProc;
    wc.hInstance = instance;
    wc.lpszClassName = a[0].c_str();
    if (!::RegisterClassA(&wc)) return kFailed;
    const std::string title = Nullable(a[1]);
    const HWND w = ::CreateWindowExA(0, a[0].c_str(), title.c_str(), WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                                     nullptr, instance, nullptr);
    if (w == nullptr) return kFailed;
    platform::win32::Win32Timers timers;
    timers.Start(reinterpret_cast<platform::WindowId>(w), kListenTimer, static_cast<std::uint32_t>(ms));
    MSG m;
    while (::GetMessageA(&m, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&m);
        ::DispatchMessageA(&m);
    }
    return kOk;
}

// ---- settings files --------------------------------------------------------

constexpr std::size_t kTextCapacity = 4096;

int ProfileGet(const Args& a) {
    platform::win32::PrivateProfile file(a[0]);
    Print(file.ReadText(a[1], a[2], a[3], kTextCapacity));
    return kOk;
}

int WinIniGet(const Args& a) {
    platform::win32::WinIniProfile winIni;
    Print(winIni.ReadText(a[0], a[1], a[2], kTextCapacity));
    return kOk;
}

int WinIniSet(const Args& a) {
    platform::win32::WinIniProfile winIni;
    return winIni.WriteText(a[0], a[1], a[2]) ? kOk : kFailed;
}

// ---- system settings and processes -----------------------------------------

bool ParsePower(const std::string& name, platform::PowerSetting& out) {
    if (name == "screensave") out = platform::PowerSetting::ScreenSaveActive;
    else if (name == "lowpower") out = platform::PowerSetting::LowPowerActive;
    else if (name == "poweroff") out = platform::PowerSetting::PowerOffActive;
    else return false;
    return true;
}

int Screen(const Args&) {
    platform::win32::Win32System system;
    Print(std::to_string(system.ScreenWidth()) + " " + std::to_string(system.ScreenHeight()));
    return kOk;
}

int PowerGet(const Args& a) {
    platform::PowerSetting s{};
    if (!ParsePower(a[0], s)) return Usage("power setting: screensave, lowpower or poweroff");
    platform::win32::Win32System system;
    Print(std::to_string(system.GetPower(s)));
    return kOk;
}

int PowerSet(const Args& a) {
    platform::PowerSetting s{};
    long long value = 0;
    if (!ParsePower(a[0], s) || !ParseNumber(a[1], value)) return Usage("power-set screensave|lowpower|poweroff VALUE");
    platform::win32::Win32System system;
    system.SetPower(s, static_cast<int>(value));
    return kOk;
}

int Run(const Args& a) {
    long long show = 0;
    if (!ParseNumber(a[1], show)) return Usage("bad show command");
    platform::win32::Win32Processes processes;
    return processes.Run(a[0], static_cast<int>(show)) ? kOk : kFailed;
}

int Open(const Args& a) {
    platform::win32::Win32Processes processes;
    return processes.Open(a[0]) ? kOk : kFailed;
}

// ---- registry --------------------------------------------------------------

bool ParseRoot(const std::string& name, RegRoot& out) {
    if (name == "HKCR") out = RegRoot::ClassesRoot;
    else if (name == "HKCU") out = RegRoot::CurrentUser;
    else if (name == "HKLM") out = RegRoot::LocalMachine;
    else if (name == "HKU") out = RegRoot::Users;
    else return false;
    return true;
}

// Value names in tests are plain ASCII.
std::wstring WideName(const std::string& name) {
    return name == "-" ? std::wstring() : std::wstring(name.begin(), name.end());
}

HKEY RootKey(RegRoot root) {
    switch (root) {
    case RegRoot::ClassesRoot: return HKEY_CLASSES_ROOT;
    case RegRoot::CurrentUser: return HKEY_CURRENT_USER;
    case RegRoot::LocalMachine: return HKEY_LOCAL_MACHINE;
    case RegRoot::Users: return HKEY_USERS;
    }
    return HKEY_CURRENT_USER;
}

template <typename Body>
int WithRegistry(const Args& a, Body&& body) {
    RegRoot root{};
    if (!ParseRoot(a[0], root)) return Usage("registry root: HKCR, HKCU, HKLM or HKU");
    platform::win32::Win32Registry registry;
    return body(registry, root);
}

int RegCreate(const Args& a) {
    return WithRegistry(a, [&](platform::Registry& registry, RegRoot root) {
        return registry.CreateKey(root, a[1]) ? kOk : kFailed;
    });
}

int RegExists(const Args& a) {
    return WithRegistry(a, [&](platform::Registry& registry, RegRoot root) {
        Print(registry.KeyExists(root, a[1]) ? "1" : "0");
        return kOk;
    });
}

int RegGetString(const Args& a) {
    return WithRegistry(a, [&](platform::Registry& registry, RegRoot root) {
        const auto v = registry.ReadString(root, a[1], Nullable(a[2]));
        if (!v) return kFailed;
        Print(*v);
        return kOk;
    });
}

int RegSetString(const Args& a) {
    return WithRegistry(a, [&](platform::Registry& registry, RegRoot root) {
        return registry.WriteString(root, a[1], Nullable(a[2]), a[3]) ? kOk : kFailed;
    });
}

int RegGetDword(const Args& a) {
    return WithRegistry(a, [&](platform::Registry& registry, RegRoot root) {
        const auto v = registry.ReadDword(root, a[1], Nullable(a[2]));
        if (!v) return kFailed;
        Print(std::to_string(*v));
        return kOk;
    });
}

int RegSetDword(const Args& a) {
    return WithRegistry(a, [&](platform::Registry& registry, RegRoot root) {
        long long v = 0;
        if (!ParseNumber(a[3], v) || v < 0 || v > 0xFFFFFFFFLL) return Usage("bad DWORD");
        return registry.WriteDword(root, a[1], Nullable(a[2]), static_cast<std::uint32_t>(v)) ? kOk : kFailed;
    });
}

int ValueDelete(const Args& a) {
    return WithRegistry(a, [&](platform::Registry& registry, RegRoot root) {
        return registry.DeleteValue(root, a[1], Nullable(a[2])) ? kOk : kFailed;
    });
}

int KeyDelete(const Args& a) {
    return WithRegistry(a, [&](platform::Registry& registry, RegRoot root) {
        return registry.DeleteKey(root, a[1]) ? kOk : kFailed;
    });
}

int RegSubKeys(const Args& a) {
    return WithRegistry(a, [&](platform::Registry& registry, RegRoot root) {
        for (const std::string& name : registry.SubKeys(root, a[1])) Print(name);
        return kOk;
    });
}

// The stored form of a value: "<type> <bytes>", the bytes as the wide
// function counts them (the registry of the NT family holds UTF-16 text, and
// the narrow query reports room for a terminator even where none is stored).
int RegRaw(const Args& a) {
    RegRoot root{};
    if (!ParseRoot(a[0], root)) return Usage("registry root: HKCR, HKCU, HKLM or HKU");
    UniqueRegKey key;
    if (::RegOpenKeyExA(RootKey(root), a[1].c_str(), 0, KEY_QUERY_VALUE, key.put()) != ERROR_SUCCESS) {
        key.release();
        return kFailed;
    }
    const std::wstring name = WideName(a[2]);
    DWORD type = 0, size = 0;
    if (::RegQueryValueExW(key.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return kFailed;
    Print(std::to_string(type) + " " + std::to_string(size));
    return kOk;
}

// Stores a REG_SZ value of the text without a terminating zero, as careless
// writers do, for testing the readers.  The registry functions of some
// systems add the missing zero, so this goes one level lower, to the native
// value function.  "\\0" in the text stands for a zero character.
int RegSetUnterminated(const Args& a) {
    struct CountedWideText {  // the native counted string
        USHORT length;
        USHORT maximumLength;
        PWSTR buffer;
    };
    using SetValueKey = LONG(NTAPI*)(HANDLE, CountedWideText*, ULONG, ULONG, PVOID, ULONG);
    const HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
    const auto setValueKey =
        ntdll == nullptr ? nullptr
                         : reinterpret_cast<SetValueKey>(reinterpret_cast<void*>(::GetProcAddress(ntdll, "NtSetValueKey")));
    if (setValueKey == nullptr) return kFailed;

    RegRoot root{};
    if (!ParseRoot(a[0], root)) return Usage("registry root: HKCR, HKCU, HKLM or HKU");
    UniqueRegKey key;
    if (::RegCreateKeyExA(RootKey(root), a[1].c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr,
                          key.put(), nullptr) != ERROR_SUCCESS) {
        key.release();
        return kFailed;
    }
    std::wstring name = WideName(a[2]);
    std::wstring text;
    for (std::size_t i = 0; i < a[3].size(); ++i) {
        if (a[3].compare(i, 2, "\\0") == 0) {
            text.push_back(L'\0');
            ++i;
        } else {
            text.push_back(static_cast<unsigned char>(a[3][i]));
        }
    }
    CountedWideText counted{static_cast<USHORT>(name.size() * sizeof(wchar_t)),
                            static_cast<USHORT>(name.size() * sizeof(wchar_t)), name.data()};
    return setValueKey(key.get(), &counted, 0, REG_SZ, text.data(),
                       static_cast<ULONG>(text.size() * sizeof(wchar_t))) == 0
               ? kOk
               : kFailed;
}

// ---- files -----------------------------------------------------------------

int FileExists(const Args& a) {
    platform::win32::Win32Files files;
    Print(files.Exists(a[0]) ? "1" : "0");
    return kOk;
}

int FileFind(const Args& a) {
    platform::win32::Win32Files files;
    for (const platform::FoundFile& f : files.Find(a[0])) {
        Print(f.name + " " + std::to_string(f.size) + (f.directory ? " dir" : " file"));
    }
    return kOk;
}

int FileDelete(const Args& a) {
    platform::win32::Win32Files files;
    return files.Delete(a[0]) ? kOk : kFailed;
}

int FileCopy(const Args& a) {
    platform::win32::Win32Files files;
    return files.Copy(a[0], a[1]) ? kOk : kFailed;
}

int MakeDirectory(const Args& a) {
    platform::win32::Win32Files files;
    return files.CreateDirectory(a[0]) ? kOk : kFailed;
}

int FreeBytes(const Args& a) {
    platform::win32::Win32Files files;
    const auto bytes = files.FreeBytes(a[0]);
    if (!bytes) return kFailed;
    Print(std::to_string(*bytes));
    return kOk;
}

int WindowsDir(const Args&) {
    platform::win32::Win32Files files;
    Print(files.WindowsDirectory());
    return kOk;
}

int SystemDir(const Args&) {
    platform::win32::Win32Files files;
    Print(files.SystemDirectory());
    return kOk;
}

int CurrentDir(const Args&) {
    platform::win32::Win32Files files;
    Print(files.CurrentDirectory());
    return kOk;
}

int ChangeDir(const Args& a) {
    platform::win32::Win32Files files;
    if (!files.SetCurrentDirectory(a[0])) return kFailed;
    Print(files.CurrentDirectory());
    return kOk;
}

// ---- sound-card mixer --------------------------------------------------------

std::string OptionalId(const std::optional<std::uint32_t>& id) { return id ? std::to_string(*id) : "-"; }

// What the mixer layer makes of the first mixer device: the device count,
// whether it opens, its name, speaker line and muted source lines, and the
// results of setting and reading a control (the speaker volume, or control
// 0 when there is none).  "-" stands for "absent".
int Mixer(const Args&) {
    platform::win32::Win32Mixer mixer;
    Print("devices " + std::to_string(mixer.DeviceCount()));
    const bool opened = mixer.Open();
    Print(std::string("open ") + (opened ? "1" : "0"));
    const auto product = mixer.ProductName();
    Print("product " + (product ? *product : std::string("-")));
    const auto speakers = mixer.Speakers();
    if (speakers) {
        Print("speakers " + std::to_string(speakers->channels) + " " + OptionalId(speakers->volumeControl) + " " +
              OptionalId(speakers->bassControl) + " " + OptionalId(speakers->trebleControl));
    } else {
        Print("speakers -");
    }
    const auto lines = mixer.SourceLinesWithMute();
    Print("lines " + std::to_string(lines.size()));
    for (const platform::MixerLine& line : lines) {
        Print("line " + line.shortName + " " + std::to_string(line.muteControlId));
    }
    // The sets write back the value read, so a real device keeps its
    // volume; without a volume control only the no-device answers are shown.
    const bool volume = speakers && speakers->volumeControl;
    if (volume || !opened) {
        const std::uint32_t control = volume ? *speakers->volumeControl : 0;
        const auto before = mixer.GetControl(control);
        Print("get " + OptionalId(before));
        const std::uint32_t value = before.value_or(0);
        if (before || !opened) {
            Print(std::string("set ") + (mixer.SetControl(control, value) ? "1" : "0"));
            Print(std::string("set-channels ") + (mixer.SetControlChannels(control, {value, value}) ? "1" : "0"));
            Print(std::string("set-volume ") + (mixer.SetVolume(value) ? "1" : "0"));
        }
    }
    return kOk;
}

// ---- table -----------------------------------------------------------------

struct Subcommand {
    const char* name;
    std::size_t argc;
    const char* arguments;
    int (*run)(const Args&);
};

const Subcommand kSubcommands[] = {
    {"find", 2, "CLASS TITLE", Find},
    {"wait", 3, "CLASS TITLE MS", Wait},
    {"gone", 3, "CLASS TITLE MS", Gone},
    {"post", 5, "CLASS TITLE MSG WPARAM LPARAM", Post},
    {"send", 5, "CLASS TITLE MSG WPARAM LPARAM", Send},
    {"command", 4, "CLASS TITLE ID LPARAM", Command},
    {"rect", 2, "CLASS TITLE", Rect},
    {"visible", 2, "CLASS TITLE", Visible},
    {"topmost", 2, "CLASS TITLE", Topmost},
    {"iconic", 2, "CLASS TITLE", Iconic},
    {"show", 3, "CLASS TITLE SHOWCMD", Show},
    {"set-topmost", 3, "CLASS TITLE 0|1", SetTopmost},
    {"listen", 3, "CLASS TITLE MS", Listen},
    {"profile-get", 4, "FILE SECTION KEY DEFAULT", ProfileGet},
    {"winini-get", 3, "SECTION KEY DEFAULT", WinIniGet},
    {"winini-set", 3, "SECTION KEY VALUE", WinIniSet},
    {"screen", 0, "", Screen},
    {"power-get", 1, "screensave|lowpower|poweroff", PowerGet},
    {"power-set", 2, "screensave|lowpower|poweroff VALUE", PowerSet},
    {"run", 2, "COMMANDLINE SHOWCMD", Run},
    {"open", 1, "DOCUMENT", Open},
    {"reg-create", 2, "ROOT PATH", RegCreate},
    {"reg-exists", 2, "ROOT PATH", RegExists},
    {"reg-get-string", 3, "ROOT PATH NAME", RegGetString},
    {"reg-set-string", 4, "ROOT PATH NAME VALUE", RegSetString},
    {"reg-get-dword", 3, "ROOT PATH NAME", RegGetDword},
    {"reg-set-dword", 4, "ROOT PATH NAME VALUE", RegSetDword},
    {"reg-delete-value", 3, "ROOT PATH NAME", ValueDelete},
    {"reg-delete-key", 2, "ROOT PATH", KeyDelete},
    {"reg-subkeys", 2, "ROOT PATH", RegSubKeys},
    {"reg-raw", 3, "ROOT PATH NAME", RegRaw},
    {"reg-set-unterminated", 4, "ROOT PATH NAME TEXT", RegSetUnterminated},
    {"file-exists", 1, "PATH", FileExists},
    {"file-find", 1, "PATTERN", FileFind},
    {"file-delete", 1, "PATH", FileDelete},
    {"file-copy", 2, "FROM TO", FileCopy},
    {"mkdir", 1, "PATH", MakeDirectory},
    {"free", 1, "DIRECTORY", FreeBytes},
    {"windir", 0, "", WindowsDir},
    {"sysdir", 0, "", SystemDir},
    {"cwd", 0, "", CurrentDir},
    {"chdir", 1, "DIRECTORY", ChangeDir},
    {"mixer", 0, "", Mixer},
};

int ListUsage() {
    std::fprintf(stderr, "usage: qordrive SUBCOMMAND ARGUMENTS\n");
    for (const Subcommand& s : kSubcommands) std::fprintf(stderr, "  %s %s\n", s.name, s.arguments);
    return kUsage;
}

}  // namespace

int main(int argc, char** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    if (argc < 2) return ListUsage();
    for (const Subcommand& s : kSubcommands) {
        if (std::strcmp(argv[1], s.name) != 0) continue;
        if (static_cast<std::size_t>(argc - 2) != s.argc) {
            return Usage(std::string("usage: qordrive ") + s.name + " " + s.arguments);
        }
        Args a;
        for (int i = 2; i < argc; ++i) a.v.emplace_back(argv[i]);
        return s.run(a);
    }
    return ListUsage();
}
