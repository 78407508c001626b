// The three skins shipped with the panel.
#pragma once

#include <vector>

#include "tools/skingen/Painter.h"

namespace skingen {

// Skin 1 keeps every coordinate of the built-in layout; skins 2 and 3 take
// the other layout paths (vertical volume bar, other sizes, the channel list
// on the right).
Design GraphiteSkin();  // skin 1
Design PearlSkin();     // skin 2
Design EmberSkin();     // skin 3

std::vector<Design> ShippedSkins();

}  // namespace skingen
