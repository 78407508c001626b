// The copy dialog's window: places itself, starts the copy on its first
// timer tick and draws the percentage bar; the copying is CCopyDlg's.
#pragma once

#include "setup/win32/Win.h"

#include "setup/CopyDlg.h"

namespace setup::win32 {

// Runs dialog 135 modally over the owner; 1 when every row was processed,
// 2 after Abort.
int RunCopyDialog(HINSTANCE module, HWND owner, CCopyDlg& copy);

}  // namespace setup::win32
