#include "setup/SetupText.h"

#include <cctype>
#include <vector>

namespace setup {

std::string EnglishString(unsigned id) {
    switch (id) {
        case kIdsConfirmRemove: return "This will remove %s. Make sure you are not running %s Application.";
        case kIdsConfirmRemoveCaption: return "Confirm File Deletion";
        case kIdsYes: return "Yes";
        case kIdsNo: return "No";
        case kIdsSupplier: return "Quorvel";
        case kIdsNeedDirectX9: return "This application needs DirectX 9 installed,\nPlease install DirectX 9 or later version";
        case kIdsInstallDirectX9:
            return "For proper operation of this application software, please install DirectX 9 that come with "
                   "this CD-even if you have previously installed other version of DirectX 9 on your system.";
        default:
            if (id > kIdsLicenseFirst + 1 && id <= kIdsLicenseLast) return " ";
            return {};
    }
}

std::string FormatText(std::string_view format, std::initializer_list<std::string_view> args) {
    std::string out;
    auto next = args.begin();
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size()) {
            if (format[i + 1] == 's') {
                if (next != args.end()) out += *next++;
                ++i;
                continue;
            }
            if (format[i + 1] == '%') {
                out += '%';
                ++i;
                continue;
            }
        }
        out += format[i];
    }
    return out;
}

std::string UpperAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

}  // namespace setup
