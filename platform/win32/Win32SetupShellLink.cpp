#include <windows.h>

#include <objidl.h>
#include <shlobj.h>

#include <vector>

#include "platform/win32/Win32Setup.h"
#include "platform/win32/Win32SetupCom.h"

namespace platform::win32 {
namespace {

// {00021401-0000-0000-C000-000000000046}, {000214EE-...}, {0000010B-...}
constexpr CLSID kShellLinkClass = {0x00021401, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr IID kShellLinkA = {0x000214EE, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr IID kPersistFile = {0x0000010B, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

constexpr HRESULT kInvalidArgument = static_cast<HRESULT>(0x80070057L);

// The whole text in wide characters; none when it does not convert.
bool Widen(const std::string& text, std::vector<wchar_t>& out) {
    const int n = ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    if (n <= 0) return false;
    out.assign(static_cast<std::size_t>(n), L'\0');
    return ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, out.data(), n) == n;
}

}  // namespace

std::int32_t Win32ShellLinks::Create(const std::string& linkFile, const ShellLinkSpec& shortcut) {
    std::vector<wchar_t> wideName;
    if (!Widen(linkFile, wideName)) return kInvalidArgument;

    const ComScope com;
    ComPtr<IShellLinkA> link;
    HRESULT hr = ::CoCreateInstance(kShellLinkClass, nullptr, CLSCTX_INPROC_SERVER, kShellLinkA, link.put());
    if (FAILED(hr)) return hr;
    if (FAILED(hr = link->SetPath(shortcut.target.c_str()))) return hr;
    if (FAILED(hr = link->SetDescription(shortcut.description.c_str()))) return hr;
    if (shortcut.hotkey != 0 && FAILED(hr = link->SetHotkey(shortcut.hotkey))) return hr;
    if (FAILED(hr = link->SetWorkingDirectory(shortcut.workingDirectory.c_str()))) return hr;
    if (!shortcut.arguments.empty() && FAILED(hr = link->SetArguments(shortcut.arguments.c_str()))) return hr;
    if (!shortcut.iconPath.empty() && FAILED(hr = link->SetIconLocation(shortcut.iconPath.c_str(), shortcut.iconIndex))) {
        return hr;
    }
    ComPtr<IPersistFile> file;
    if (FAILED(hr = link->QueryInterface(kPersistFile, file.put()))) return hr;
    // TRUE: the saved file becomes the object's current file.
    return file->Save(wideName.data(), TRUE);
}

}  // namespace platform::win32
