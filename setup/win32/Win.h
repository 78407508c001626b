// The system headers of the setup program's window layer, included before
// any portable header: <windows.h> turns some names the portable interfaces
// use as method names into macros, and they are taken back here.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>
#include <prsht.h>

#undef CreateDirectory
#undef RemoveDirectory
#undef SetCurrentDirectory
