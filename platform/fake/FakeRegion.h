// Window regions in memory for tests: the polygon each window was given
// last, and every attempt in order.  A test can make building fail.
#pragma once

#include <map>
#include <vector>

#include "platform/Region.h"

namespace platform::fake {

class FakeRegion final : public WindowRegion {
public:
    bool SetPolygon(WindowId w, const std::vector<Point>& vertices) override {
        attempts_.push_back(vertices);
        if (fail_ || vertices.size() < 3) return false;  // no area: CreatePolygonRgn fails
        shapes_[w] = vertices;
        return true;
    }

    void FailNext(bool fail) { fail_ = fail; }
    bool HasShape(WindowId w) const { return shapes_.count(w) != 0; }
    const std::vector<Point>& Shape(WindowId w) const { return shapes_.at(w); }
    const std::vector<std::vector<Point>>& Attempts() const { return attempts_; }

private:
    bool fail_ = false;
    std::map<WindowId, std::vector<Point>> shapes_;
    std::vector<std::vector<Point>> attempts_;
};

}  // namespace platform::fake
