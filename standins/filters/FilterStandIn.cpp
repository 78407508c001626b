// Stand-in for one of the DirectShow filter files the installer ships and
// registers.  It filters nothing and creates no objects; it is a DLL that
// regsvr32 accepts, so that the installer's and the uninstaller's
// registration steps have something real to act on.
//
// One source, built once per filter file: FILTER_CLSID (the class id in
// braces) and FILTER_NAME come from the build.
//   - DllRegisterServer writes HKEY_CLASSES_ROOT\CLSID\{class id} with the
//     filter's name as default value and its InprocServer32 subkey with this
//     file's full path; a registration that cannot be written whole is taken
//     away again and reported as failed.
//   - DllUnregisterServer deletes that key with its subkeys; a class that is
//     not registered counts as unregistered.
//   - DllGetClassObject offers no class; DllCanUnloadNow always agrees.
#include <windows.h>
#include <olectl.h>

#include <string>
#include <vector>

#include "platform/win32/Win32Platform.h"

#ifndef FILTER_CLSID
#error "FILTER_CLSID must name the filter's class id"
#endif
#ifndef FILTER_NAME
#error "FILTER_NAME must name the filter"
#endif

namespace {

using platform::RegRoot;

const std::string kClassKey = std::string("CLSID\\") + FILTER_CLSID;

// Full path of this DLL; empty when it cannot be had whole.
std::string ModulePath() {
    HMODULE self = nullptr;
    if (!::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                              reinterpret_cast<LPCSTR>(&ModulePath), &self)) {
        return {};
    }
    std::vector<char> path(32768, '\0');
    const DWORD n = ::GetModuleFileNameA(self, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0 || n >= path.size()) return {};  // failed or cut short
    return std::string(path.data(), n);
}

}  // namespace

extern "C" {

HRESULT STDAPICALLTYPE DllRegisterServer() {
    const std::string path = ModulePath();
    if (path.empty()) return E_FAIL;
    platform::win32::Win32Registry registry;
    if (registry.WriteString(RegRoot::ClassesRoot, kClassKey, "", FILTER_NAME) &&
        registry.WriteString(RegRoot::ClassesRoot, kClassKey + "\\InprocServer32", "", path)) {
        return S_OK;
    }
    registry.DeleteKey(RegRoot::ClassesRoot, kClassKey);
    return SELFREG_E_CLASS;
}

HRESULT STDAPICALLTYPE DllUnregisterServer() {
    platform::win32::Win32Registry registry;
    if (!registry.KeyExists(RegRoot::ClassesRoot, kClassKey)) return S_OK;
    return registry.DeleteKey(RegRoot::ClassesRoot, kClassKey) ? S_OK : SELFREG_E_CLASS;
}

HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID, REFIID, LPVOID* object) {
    if (object != nullptr) *object = nullptr;
    return CLASS_E_CLASSNOTAVAILABLE;
}

HRESULT STDAPICALLTYPE DllCanUnloadNow() { return S_OK; }

}  // extern "C"
