// Window shapes on GDI: a polygon region (winding fill) given to the window.
#pragma once

#include "platform/Region.h"

namespace platform::win32 {

class Win32Region final : public WindowRegion {
public:
    // CreatePolygonRgn (WINDING) and SetWindowRgn with redraw.  The window
    // owns the region once it has taken it; a region it refused is deleted.
    bool SetPolygon(WindowId w, const std::vector<Point>& vertices) override;
};

}  // namespace platform::win32
