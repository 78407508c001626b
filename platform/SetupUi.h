// User-interface operations of the setup program: message boxes, resource
// strings, the wizard sheet's buttons, the progress views and the dialogs
// it opens by resource id.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// MessageBoxA styles.
constexpr unsigned kMbOk = 0x0;
constexpr unsigned kMbOkCancel = 0x1;
constexpr unsigned kMbAbortRetryIgnore = 0x2;
constexpr unsigned kMbYesNo = 0x4;
constexpr unsigned kMbIconQuestion = 0x20;
constexpr unsigned kMbIconExclamation = 0x30;   // also the warning icon
constexpr unsigned kMbIconInformation = 0x40;
constexpr unsigned kMbDefButton2 = 0x100;

// Dialog and message-box answers.
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
constexpr int kIdAbort = 3;
constexpr int kIdRetry = 4;
constexpr int kIdIgnore = 5;
constexpr int kIdYes = 6;
constexpr int kIdNo = 7;

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // A box without owner; returns the answer.
    virtual int Show(const std::string& text, const std::string& caption, unsigned style) = 0;
};

// The program's string resources in the language the platform picks;
// empty for a missing string.
class StringTable {
public:
    virtual ~StringTable() = default;
    virtual std::string Load(unsigned id) = 0;
};

// Wizard button sets (PSM_SETWIZBUTTONS) and the sheet's button ids.
constexpr unsigned kWizBack = 0x1;
constexpr unsigned kWizNext = 0x2;
constexpr unsigned kWizFinish = 0x4;
constexpr int kSheetBackButton = 12323;
constexpr int kSheetNextButton = 12324;
constexpr int kSheetCancelButton = 2;

class WizardSheet {
public:
    virtual ~WizardSheet() = default;
    virtual void SetWizardButtons(unsigned buttons) = 0;
    virtual std::string ButtonText(int id) = 0;
    virtual void SetButtonText(int id, const std::string& text) = 0;
    virtual void ShowButton(int id, bool shown) = 0;
};

// A dialog with a drawn progress bar that runs long work on the user
// interface thread.
class ProgressView {
public:
    virtual ~ProgressView() = default;
    virtual void InvalidateBar() = 0;
    virtual void PumpMessages() = 0;   // PeekMessage/Translate/Dispatch until empty
};

// Dialogs by resource id.
class SetupDialogs {
public:
    virtual ~SetupDialogs() = default;
    virtual int RunModal(int dialogId) = 0;
    virtual void ShowModeless(int dialogId) = 0;   // centred
    virtual void DestroyModeless(int dialogId) = 0;
};

}  // namespace platform
