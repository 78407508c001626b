#include "setup/HeadlessViews.h"

namespace setup {

int LoggedBoxes::Show(const std::string& text, const std::string& caption, unsigned style) {
    ++count_;
    std::string flat = text;
    for (char& c : flat) {
        if (c == '\n' || c == '\r') c = ' ';
    }
    log_.Line("Message (" + caption + "): " + flat);
    switch (style & 0xF) {
        case platform::kMbAbortRetryIgnore: return platform::kIdAbort;
        case platform::kMbYesNo: return platform::kIdNo;
        case platform::kMbOkCancel: return platform::kIdCancel;
        default: return platform::kIdOk;
    }
}

}  // namespace setup
