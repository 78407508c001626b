// Country selection: the table position of a telephone country code, the
// settings derived from the chosen country, and the logic of the country
// dialog (resource 312) over a DialogView.
#pragma once

#include <functional>
#include <string>

#include "channels/FreqLibrary.h"
#include "platform/DialogView.h"
#include "platform/Profile.h"

namespace channels {

// Telephone codes shared by several countries have a fixed table position.
inline constexpr int kPositionForCode1 = 228;
inline constexpr int kPositionForCode7 = 180;
// Country names in the panel INI: keys "1".."244", key p + 1 names position p.
inline constexpr int kCountryNameCount = 244;
inline constexpr std::size_t kCountryNameCapacity = 50;  // 49 characters

// What country selection works on.
struct CountryEnv {
    platform::ProfileStore& settings;  // settings INI
    platform::ProfileStore& winIni;    // for [intl] iCountry
    FreqLibrary& library;
    int count;                         // the library's country count, asked once at start
};

// Table position for a telephone code: 228 for code 1, 180 for code 7,
// otherwise the first position whose entry has the code.  The library is
// only asked for positions 0..count-1; a code without an entry gives
// count + 1, a position that selects no list entry.
int FindPosition(FreqLibrary& library, int count, int code);

// The search ApplyCountry makes: positions 0..count-1 in order until the
// code matches.  `position` is the match, or the last position asked when
// nothing matched (-1 when the table is empty); `last` is the answer of the
// last call made.
struct CountrySearch {
    int position = -1;
    bool matched = false;
    FreqInfo last;
};
CountrySearch SearchCountry(FreqLibrary& library, int count, int code);

// Writes the chosen country and everything derived from it: [ZUNTO]
// CountryCode (codeText as it stands), DEFAULTCOUNTRY, CodePos, DEFAULTNAME,
// MaxFreq, MinFreq, Range, Maxair, Minair, Max, Min; [vemla] AnalogStandard;
// [VideoStandard] VideoStandard; [AudioFormat] AudioFormat = "2".
// selectedPosition is the list's selection; when it is no valid position
// (none, or past the library's table) the position the code search reached
// is stored instead, so CodePos always names the entry whose data were
// written.  nameAt gives the list text of a position (DEFAULTNAME).
// Returns the position stored as CodePos.
int ApplyCountry(const CountryEnv& env, const std::string& codeText, int selectedPosition,
                 const std::function<std::string(int)>& nameAt);

// Scan limits and analogue standard that follow from a video standard.
struct StandardLimits {
    const char* minFreq;
    const char* maxFreq;
    const char* range;
    const char* analog;
};
StandardLimits LimitsForStandard(int standard);

// Control ids of dialog 312.
namespace country_dialog {
inline constexpr int kGroup = 1183;
inline constexpr int kAutoDetect = 1100;
inline constexpr int kSelectCountry = 1101;
inline constexpr int kCodeLabel = 1184;
inline constexpr int kCodeField = 1010;
inline constexpr int kList = 1099;
inline constexpr int kOk = 1;
}  // namespace country_dialog

// Top-left corner of the dialog on a screen of that size.
struct DialogOrigin {
    int x, y;
};
DialogOrigin CountryDialogOrigin(int screenWidth, int screenHeight);

// The dialog's logic.  The dialog procedure calls OnInit on WM_INITDIALOG
// and OnCommand on WM_COMMAND; the dialog has no Cancel (Escape does nothing).
class CountryDialog {
public:
    CountryDialog(platform::DialogView& view, const CountryEnv& env, platform::ProfileStore& panelIni,
                  int skinNumber)
        : view_(view), env_(env), panelIni_(panelIni), skin_(skinNumber) {}

    void OnInit();
    // Returns true when the command was the dialog's own.
    bool OnCommand(int id, int notifyCode);

    void OnListSelection();
    void OnAutoDetect();
    void OnSelectCountry();
    void OnOk();

private:
    int SystemCountryCode();
    void SelectPosition(int position);

    platform::DialogView& view_;
    CountryEnv env_;
    platform::ProfileStore& panelIni_;
    int skin_;
};

}  // namespace channels
