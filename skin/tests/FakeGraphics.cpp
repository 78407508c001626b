#include "skin/tests/FakeGraphics.h"

#include <algorithm>
#include <map>
#include <optional>
#include <stdexcept>

namespace skin::fake {

void FakeSurface::Blit(int dx, int dy, int w, int h, const platform::Surface& src, int sx, int sy) {
    image_.Blit(dx, dy, w, h, PixelsOf(src), sx, sy);
    if (owner_) owner_->Record({this, &src, dx, dy, w, h, sx, sy});
}

const Image& PixelsOf(const platform::Surface& s) {
    const auto* fake = dynamic_cast<const FakeSurface*>(&s);
    if (!fake) throw std::logic_error("a surface the fake did not make");
    return fake->Pixels();
}

std::unique_ptr<platform::Surface> FakeGraphics::LoadBitmapFile(const std::string& path) {
    paths_.push_back(path);
    std::string native = path;
    std::replace(native.begin(), native.end(), '\\', '/');
    // The skin files do not change while tests run: decode each one once.
    static std::map<std::string, std::optional<Image>> decoded;
    auto found = decoded.find(native);
    if (found == decoded.end()) found = decoded.emplace(native, ReadBmpFile(native)).first;
    if (!found->second) return nullptr;
    return std::make_unique<FakeSurface>(this, *found->second, path);
}

std::unique_ptr<platform::Surface> FakeGraphics::CreateSurface(int w, int h) {
    return std::make_unique<FakeSurface>(this, Image(std::max(w, 0), std::max(h, 0)), "created");
}

std::vector<BlitRecord> FakeGraphics::BlitsInto(const platform::Surface& target) const {
    std::vector<BlitRecord> out;
    for (const BlitRecord& r : blits_) {
        if (r.target == &target) out.push_back(r);
    }
    return out;
}

FakePanelView::FakePanelView(FakeGraphics& graphics, int width, int height)
    : screen_(&graphics, Image(width, height), "screen"), width_(width), height_(height) {}

void FakePanelView::Resize(int width, int height) {
    width_ = width;
    height_ = height;
    // The client area grows or shrinks; what was shown stays in the corner.
    Image grown(width, height);
    grown.Blit(0, 0, width, height, screen_.Pixels(), 0, 0);
    screen_.Pixels() = std::move(grown);
}

void FakePanelView::Repaint() {
    ++repaints_;
    if (paint_) paint_();
}

}  // namespace skin::fake
