#include "platform/win32/Win32Region.h"

#include <windows.h>

#include "platform/win32/Handles.h"

namespace platform::win32 {
namespace {

struct RegionTraits {
    using Handle = HRGN;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { ::DeleteObject(h); }
};
using UniqueRegion = UniqueHandle<RegionTraits>;

}  // namespace

bool Win32Region::SetPolygon(WindowId w, const std::vector<Point>& vertices) {
    if (w == 0 || vertices.size() < 3) return false;
    std::vector<POINT> points;
    points.reserve(vertices.size());
    for (const Point& p : vertices) points.push_back({p.x, p.y});
    UniqueRegion region(::CreatePolygonRgn(points.data(), static_cast<int>(points.size()), WINDING));
    if (!region) return false;
    if (::SetWindowRgn(reinterpret_cast<HWND>(w), region.get(), TRUE) == 0) return false;
    region.release();  // the window's now
    return true;
}

}  // namespace platform::win32
