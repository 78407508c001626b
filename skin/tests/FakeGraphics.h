// Pixel surfaces in memory for tests: RGB pictures that blit like BitBlt,
// bitmap files read from disk with the skin's own BMP reader, a log of
// every blit (so a test can tell which rectangles a drawing touched), and
// a panel view whose screen is one more such surface.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/PanelView.h"
#include "platform/Surface.h"
#include "skin/Bmp.h"

namespace skin::fake {

class FakeGraphics;

class FakeSurface final : public platform::Surface {
public:
    FakeSurface(FakeGraphics* owner, Image image, std::string name)
        : owner_(owner), image_(std::move(image)), name_(std::move(name)) {}

    int Width() const override { return image_.Width(); }
    int Height() const override { return image_.Height(); }
    void Blit(int dx, int dy, int w, int h, const platform::Surface& src, int sx, int sy) override;

    const Image& Pixels() const { return image_; }
    Image& Pixels() { return image_; }
    const std::string& Name() const { return name_; }  // file path, or what made it

private:
    FakeGraphics* owner_;
    Image image_;
    std::string name_;
};

// Pixels of any surface this fake made (a surface from elsewhere has none).
const Image& PixelsOf(const platform::Surface& s);

struct BlitRecord {
    const platform::Surface* target = nullptr;
    const platform::Surface* source = nullptr;
    int dx = 0, dy = 0, w = 0, h = 0, sx = 0, sy = 0;
};

class FakeGraphics final : public platform::Graphics {
public:
    // Reads the file (a Windows path: backslashes are read as slashes);
    // nullptr when it is missing or no bitmap.
    std::unique_ptr<platform::Surface> LoadBitmapFile(const std::string& path) override;
    // A black picture.
    std::unique_ptr<platform::Surface> CreateSurface(int w, int h) override;

    // Every path asked for, in order, whether it loaded or not.
    const std::vector<std::string>& LoadedPaths() const { return paths_; }
    const std::vector<BlitRecord>& Blits() const { return blits_; }
    std::vector<BlitRecord> BlitsInto(const platform::Surface& target) const;
    void ClearLog() {
        blits_.clear();
        paths_.clear();
    }

    void Record(const BlitRecord& r) { blits_.push_back(r); }

private:
    std::vector<std::string> paths_;
    std::vector<BlitRecord> blits_;
};

// The panel window: its screen is a picture of the screen size; repaints
// and resizes are counted, and a repaint runs the test's paint handler (as
// UpdateWindow runs WM_PAINT).
class FakePanelView final : public platform::PanelView {
public:
    FakePanelView(FakeGraphics& graphics, int width, int height);

    platform::Surface& Screen() override { return screen_; }
    void Resize(int width, int height) override;
    void Repaint() override;
    void LoadCursors() override { ++cursorLoads_; cursorsLoaded_ = true; }
    void ReleaseCursors() override { cursorsLoaded_ = false; }

    FakeSurface& ScreenSurface() { return screen_; }
    void SetPaintHandler(std::function<void()> paint) { paint_ = std::move(paint); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    int Repaints() const { return repaints_; }
    int CursorLoads() const { return cursorLoads_; }
    bool CursorsLoaded() const { return cursorsLoaded_; }

private:
    FakeSurface screen_;
    int width_, height_;
    std::function<void()> paint_;
    int repaints_ = 0;
    int cursorLoads_ = 0;
    bool cursorsLoaded_ = false;
};

}  // namespace skin::fake
