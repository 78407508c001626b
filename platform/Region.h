// Window shapes (shape): a polygon made the window's region, so that the
// window is clipped to it and clicks outside it fall through.
#pragma once

#include <vector>

#include "platform/Windows.h"

namespace platform {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

class WindowRegion {
public:
    virtual ~WindowRegion() = default;
    // Builds a region from the vertices (window coordinates, winding fill
    // rule) and makes it the window's shape, redrawing the window
    // (CreatePolygonRgn, SetWindowRgn).  False when no region could be
    // built; the window then keeps the shape it had.
    virtual bool SetPolygon(WindowId w, const std::vector<Point>& vertices) = 0;
};

}  // namespace platform
