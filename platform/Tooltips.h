// Tooltip window (shape): one tooltip control over a window, holding one
// tool per hot spot.  The control is created whole and destroyed whole;
// it is never updated in place.
#pragma once

#include <string>
#include <vector>

#include "platform/Windows.h"

namespace platform {

struct ToolRect {
    int x = 0, y = 0, width = 0, height = 0;
    friend bool operator==(const ToolRect&, const ToolRect&) = default;
};

struct Tool {
    unsigned id = 0;     // the tool's identifier
    ToolRect rect;       // in the owner's client coordinates
    std::string text;
};

struct TooltipSpec {
    std::vector<Tool> tools;
    int initialDelayMs = 1000;  // TTDT_INITIAL
    int autoPopMs = 2500;       // TTDT_AUTOPOP
    int reshowMs = 1000;        // TTDT_RESHOW
};

class TooltipControl {
public:
    virtual ~TooltipControl() = default;
    // Creates a topmost "tooltips_class32" window (WS_POPUP, TTS_ALWAYSTIP,
    // TTS_NOPREFIX, 10 x 10 at the default position), adds the tools on
    // `owner` with subclassing so that it sees the owner's mouse messages,
    // sets the three delays and activates it.  Returns the tooltip window,
    // or 0 when it could not be created.
    virtual WindowId Create(WindowId owner, const TooltipSpec& plan) = 0;
    virtual void Destroy(WindowId tooltip) = 0;  // DestroyWindow
};

}  // namespace platform
