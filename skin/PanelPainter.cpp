#include "skin/PanelPainter.h"

#include <algorithm>

namespace skin {
namespace {

constexpr int kVolumeMax = 220;
constexpr long long kFileSizeMax = 99999999;

// Digit k (0 = units) of a value that is never negative here.
int DigitOf(long long value, int k) {
    for (int i = 0; i < k; ++i) value /= 10;
    return static_cast<int>(value % 10);
}

}  // namespace

void PanelPainter::DrawButton(int index, int look) {
    if (index < 0 || index >= kButtonCount) return;
    const platform::Surface* from = nullptr;
    switch (look) {
        case kLookNormal: from = surfaces_.normal.get(); break;
        case kLookPressed: from = surfaces_.pressed.get(); break;
        case kLookHover: from = surfaces_.hover.get(); break;
        default: return;
    }
    if (!from) return;
    const Rect r = layout_.ButtonRect(index);
    screen_.Blit(r.x, r.y, r.w, r.h, *from, r.x, r.y);
}

void PanelPainter::Put(int dx, int dy, int w, int h, int sx, int sy) {
    if (!surfaces_.strip) return;
    screen_.Blit(dx, dy, w, h, *surfaces_.strip, sx, sy);
    if (surfaces_.normal) surfaces_.normal->Blit(dx, dy, w, h, *surfaces_.strip, sx, sy);
}

void PanelPainter::PutDigit(At place, Size cell, At strip, int step, int digit) {
    Put(place.x + layout_.ContentOffset(), place.y, cell.w, cell.h, strip.x + digit * step, strip.y);
}

void PanelPainter::PutSixDigits(const std::array<At, 6>& places, Size cell, At strip, int step, int hours,
                                int minutes, int seconds) {
    // Seconds, minutes, hours; units before tens.
    const int values[3] = {seconds, minutes, hours};
    for (int field = 0; field < 3; ++field) {
        const int v = std::max(values[field], 0);
        PutDigit(places[static_cast<std::size_t>(2 * field)], cell, strip, step, v % 10);
        PutDigit(places[static_cast<std::size_t>(2 * field + 1)], cell, strip, step, (v / 10) % 10);
    }
}

void PanelPainter::DrawModeLabel(ModeLabel label) {
    const DisplayKeys& d = layout_.Display();
    At from = d.chLabelStrip;
    if (label == ModeLabel::Fm) from = d.fmLabelStrip;
    if (label == ModeLabel::VideoIn) from = d.avsvLabelStrip;
    Put(d.modeLabel.x + layout_.ContentOffset(), d.modeLabel.y, d.modeLabel.w, d.modeLabel.h, from.x, from.y);
}

void PanelPainter::DrawSourceIndicator(SourceIndicator indicator) {
    const DisplayKeys& d = layout_.Display();
    At from;
    switch (indicator) {
        case SourceIndicator::Air: from = d.airStrip; break;
        case SourceIndicator::Cable: from = d.cableStrip; break;
        case SourceIndicator::AvIn: from = d.avinStrip; break;
        case SourceIndicator::SVideo: from = d.svideoStrip; break;
        case SourceIndicator::Fm: from = d.fmStrip; break;
        default: return;
    }
    Put(d.sourcePlace.x + layout_.ContentOffset(), d.sourcePlace.y, d.source.w, d.source.h, from.x, from.y);
}

void PanelPainter::DrawChannelNumber(int channel) {
    const DisplayKeys& d = layout_.Display();
    // A negative number would pick cells left of the strip's digit 0.
    const long long n = std::max(channel, 0);
    for (int k = 0; k < 3; ++k) {
        const At place{d.chUnits.x - k * d.chDigitStep, d.chUnits.y};
        PutDigit(place, d.chDigit, d.chStrip, d.chDigit.w, DigitOf(n, k));
    }
}

void PanelPainter::DrawFmFrequency(int frequency, int places) {
    const DisplayKeys& d = layout_.Display();
    const long long f = std::max(frequency, 0);
    const int count = std::clamp(places, 0, 4);
    for (int k = 3; k >= 4 - count; --k) {
        PutDigit(d.fm[static_cast<std::size_t>(k)], d.fmDigit, d.fmStripDigits, d.fmDigit.w, DigitOf(f, k));
    }
}

void PanelPainter::DrawClock(const ClockTime& now) {
    const DisplayKeys& d = layout_.Display();
    PutSixDigits(d.clock, d.clockDigit, d.clockStrip, d.clockStep, now.hour, now.minute, now.second);
}

void PanelPainter::DrawCaptureTime(int seconds) {
    const DisplayKeys& d = layout_.Display();
    const long long s = std::max(seconds, 0);
    const long long hours = std::min(s / 3600, 99LL);
    PutSixDigits(d.capture, d.capDigit, d.capStrip, d.capStep, static_cast<int>(hours),
                 static_cast<int>((s / 60) % 60), static_cast<int>(s % 60));
}

void PanelPainter::DrawTimeShiftPosition(int seconds, const ClockTime& start) {
    const DisplayKeys& d = layout_.Display();
    const long long s = std::max(seconds, 0);
    const long long totalSeconds = std::max(start.second, 0) + s;
    const long long totalMinutes = std::max(start.minute, 0) + totalSeconds / 60;
    const long long totalHours = std::max(start.hour, 0) + totalMinutes / 60;
    PutSixDigits(d.capture, d.capDigit, d.capStrip, d.capStep, static_cast<int>(totalHours % 24),
                 static_cast<int>(totalMinutes % 60), static_cast<int>(totalSeconds % 60));
}

void PanelPainter::DrawFileSize(long long value) {
    const DisplayKeys& d = layout_.Display();
    const long long v = std::clamp(value, 0LL, kFileSizeMax);
    for (int k = 0; k < 8; ++k) {
        PutDigit(d.fileSize[static_cast<std::size_t>(k)], d.sizeDigit, d.sizeStrip, d.sizeStep, DigitOf(v, k));
    }
}

void PanelPainter::DrawRecordState(bool recording) {
    const DisplayKeys& d = layout_.Display();
    const At from = recording ? d.recOnStrip : d.recOffStrip;
    Put(d.recPlace.x + layout_.ContentOffset(), d.recPlace.y, d.recState.w, d.recState.h, from.x, from.y);
}

void PanelPainter::DrawVolumeBar(int volume) {
    if (!surfaces_.pressed || !surfaces_.hover) return;
    const DisplayKeys& d = layout_.Display();
    const Rect bar{d.volumeBar.x + layout_.ContentOffset(), d.volumeBar.y, d.volumeBar.w, d.volumeBar.h};
    // A value beyond the range would spill the filled part over the bar's end.
    const long long v = std::clamp(volume, 0, kVolumeMax);

    auto copy = [&](const platform::Surface& from, int x, int y, int w, int h) {
        screen_.Blit(x, y, w, h, from, x, y);
        if (surfaces_.normal) surfaces_.normal->Blit(x, y, w, h, from, x, y);
    };
    copy(*surfaces_.pressed, bar.x, bar.y, bar.w, bar.h);
    if (d.volumeVertical == 1) {
        const int fill = static_cast<int>(v * std::max(bar.h, 0) / kVolumeMax);
        copy(*surfaces_.hover, bar.x, bar.y + bar.h - fill, bar.w, fill);
    } else {
        const int fill = static_cast<int>(v * std::max(bar.w, 0) / kVolumeMax);
        copy(*surfaces_.hover, bar.x, bar.y, fill, bar.h);
    }
}

void PanelPainter::DrawMuteButton(bool muted) {
    if (!surfaces_.strip) return;
    const DisplayKeys& d = layout_.Display();
    const Rect face = muted ? d.muteOff : d.muteOn;
    const Rect to = layout_.ButtonRect(kBtnMute);
    const platform::Surface& strip = *surfaces_.strip;
    screen_.Blit(to.x, to.y, to.w, to.h, strip, face.x, face.y);
    if (surfaces_.normal) surfaces_.normal->Blit(to.x, to.y, to.w, to.h, strip, face.x, face.y);
    if (surfaces_.pressed) surfaces_.pressed->Blit(to.x, to.y, to.w, to.h, strip, face.x + face.w, face.y);
    if (surfaces_.hover) surfaces_.hover->Blit(to.x, to.y, to.w, to.h, strip, face.x + 2 * face.w, face.y);
}

void PanelPainter::Paint(int state, bool snapshotBand) {
    if (!surfaces_.normal) return;
    const platform::Surface& normal = *surfaces_.normal;
    if (state == kStateDown && snapshotBand) {
        const PanelGeometry& g = layout_.Geometry();
        screen_.Blit(0, g.downRepaintY, g.openListW, g.openListH - g.downRepaintY, normal, 0, g.downRepaintY);
        return;
    }
    const Size size = layout_.StateSize(state);
    screen_.Blit(0, 0, size.w, size.h, normal, 0, 0);
}

}  // namespace skin
