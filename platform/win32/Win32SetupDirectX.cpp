#include <windows.h>

#include <ddraw.h>

#include "platform/win32/Win32Setup.h"
#include "platform/win32/Win32SetupCom.h"

namespace platform::win32 {
namespace {

// The interfaces the probe asks for, defined here so that no DirectX
// library is linked.
constexpr IID kDirectDraw2 = {0xB3A6F3E0, 0x2B43, 0x11CF, {0xA2, 0xDE, 0x00, 0xAA, 0x00, 0xB9, 0x33, 0x56}};
constexpr IID kDirectDrawSurface3 = {0xDA044E00, 0x69B2, 0x11D0, {0xA1, 0xD5, 0x00, 0xAA, 0x00, 0xB8, 0xDF, 0xBB}};
constexpr IID kDirectDrawSurface4 = {0x0B2B8630, 0xAD35, 0x11D0, {0x8E, 0xA6, 0x00, 0x60, 0x97, 0x97, 0xEA, 0x5B}};
constexpr IID kDirectDraw7 = {0x15E65EC0, 0x3B9C, 0x11D2, {0xB9, 0x2F, 0x00, 0x60, 0x97, 0x97, 0xEA, 0x5B}};
constexpr CLSID kDirectMusicClass = {0x636B9F10, 0x0C7D, 0x11D1, {0x95, 0xB2, 0x00, 0x20, 0xAF, 0xDC, 0x74, 0x21}};
constexpr IID kDirectMusic = {0x6536115A, 0x7B2D, 0x11D2, {0xBA, 0x18, 0x00, 0x00, 0xF8, 0x75, 0xAC, 0x12}};

#if defined(_M_IX86) || defined(__i386__)
static_assert(sizeof(DDSURFACEDESC) == 108, "the 32-bit surface description is 108 bytes");
#endif

using DirectDrawCreateFunction = HRESULT(WINAPI*)(GUID*, IDirectDraw**, IUnknown*);
using DirectDrawCreateExFunction = HRESULT(WINAPI*)(GUID*, void**, REFIID, IUnknown*);

void Trace(const char* line) { ::OutputDebugStringA(line); }

}  // namespace

std::uint32_t Win32DirectXProbe::ProbeDirectXLevel() {
    // Everything below is released in reverse order, each object before the
    // library that made it.
    const ComScope com;
    const LoadedLibrary ddraw("DDRAW.DLL");
    if (!ddraw) {
        Trace("Couldn't LoadLibrary DDraw\r\n");
        return 0;
    }
    const auto create = ddraw.Get<DirectDrawCreateFunction>("DirectDrawCreate");
    ComPtr<IDirectDraw> directDraw;
    if (!create || FAILED(create(nullptr, reinterpret_cast<IDirectDraw**>(directDraw.put()), nullptr))) {
        Trace("Couldn't create DDraw\r\n");
        return 0;
    }
    ComPtr<IUnknown> directDraw2;
    if (FAILED(directDraw->QueryInterface(kDirectDraw2, directDraw2.put()))) {
        Trace("Couldn't QI DDraw2\r\n");
        return 0x100;
    }

    const LoadedLibrary dinput("DINPUT.DLL");
    if (!dinput) {
        Trace("Couldn't LoadLibrary DInput\r\n");
        return 0x200;
    }
    if (!dinput.Get<FARPROC>("DirectInputCreateA")) {
        Trace("Couldn't GetProcAddress DInputCreate\r\n");
        return 0x200;
    }

    if (FAILED(directDraw->SetCooperativeLevel(nullptr, DDSCL_NORMAL))) {
        Trace("Couldn't Set coop level\r\n");
        return 0;
    }
    DDSURFACEDESC description{};
    description.dwSize = sizeof description;
    description.dwFlags = DDSD_CAPS;
    description.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE;
    ComPtr<IDirectDrawSurface> primary;
    if (FAILED(directDraw->CreateSurface(&description, reinterpret_cast<IDirectDrawSurface**>(primary.put()),
                                         nullptr))) {
        Trace("Couldn't CreateSurface\r\n");
        return 0;
    }
    ComPtr<IUnknown> surface3;
    if (FAILED(primary->QueryInterface(kDirectDrawSurface3, surface3.put()))) return 0x300;
    ComPtr<IUnknown> surface4;
    if (FAILED(primary->QueryInterface(kDirectDrawSurface4, surface4.put()))) return 0x500;

    ComPtr<IUnknown> music;
    if (FAILED(::CoCreateInstance(kDirectMusicClass, nullptr, CLSCTX_INPROC_SERVER, kDirectMusic, music.put()))) {
        Trace("Couldn't create CLSID_DirectMusic\r\n");
        return 0x600;
    }

    const auto createEx = ddraw.Get<DirectDrawCreateExFunction>("DirectDrawCreateEx");
    ComPtr<IUnknown> directDraw7;
    if (!createEx || FAILED(createEx(nullptr, directDraw7.put(), kDirectDraw7, nullptr))) return 0x601;

    const LoadedLibrary d3d8("D3D8.DLL");
    return d3d8 ? 0x800 : 0x700;
}

}  // namespace platform::win32
