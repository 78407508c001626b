// Names, string-resource ids and the text formatting of the setup program.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace setup {

inline constexpr char kCompany[] = "Kestrova";
inline constexpr char kProduct[] = "TV Drovan";
inline constexpr char kVersionText[] = "2.28.0.400";
inline constexpr char kLicensor[] = "Vostrane Technologies Inc.";
inline constexpr char kLicensorShort[] = "VOSTRANE";
inline constexpr char kSetupCaption[] = "Setup";
inline constexpr char kDirectXCaption[] = "DirectX Version:";

// String resources.
enum StringId : unsigned {
    kIdsLicenseFirst = 57345,   // 57345..57352 concatenated
    kIdsLicenseLast = 57352,
    kIdsConfirmRemove = 57361,  // "This will remove %s. ..."
    kIdsConfirmRemoveCaption = 57362,
    kIdsYes = 57363,
    kIdsNo = 57364,
    kIdsSupplier = 57365,
    kIdsNeedDirectX9 = 57368,
    kIdsInstallDirectX9 = 57369,
};

// The English text of a string resource whose wording this program fixes;
// empty for the others (the licence wording lives only in the resources).
std::string EnglishString(unsigned id);

// printf-style "%s" formatting that never reads beyond its arguments:
// each "%s" takes the next argument (an empty text when they run out),
// "%%" gives "%", and any other "%" sequence is kept as written.  Texts
// from resources go through here, so a translated text with a stray
// specifier cannot do harm.
std::string FormatText(std::string_view format, std::initializer_list<std::string_view> args);

std::string UpperAscii(std::string_view text);

}  // namespace setup
