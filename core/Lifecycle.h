// The panel window's creation (settings seeded, mixer opened, country asked
// for on a first run, the stored source selected) and its destruction
// (everything released, power settings given back, the loop ended).
#pragma once

#include "core/PanelContext.h"

namespace core {

// WM_CREATE of the panel window `self`.
void OnCreate(PanelContext& ctx, platform::WindowId self);

// WM_DESTROY work.  Command 32772 runs it directly and a real WM_DESTROY
// may follow, so only the first call does anything.
void OnDestroy(PanelContext& ctx);

// Posts the source command of the stored InputSource to the panel itself;
// a value outside 1..5 posts nothing.
void PostSourceCommand(PanelContext& ctx);

// Channel numbers have at most three digits: the range written when a
// band's list is rebuilt is kept to 0..999 whatever the settings hold.
inline constexpr int kHighestChannelNumber = 999;

}  // namespace core
