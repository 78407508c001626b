// The frequency library as the panel sees it: the number of countries and
// one lookup by table position.  FunctionFreqLibrary calls the two exports
// of KvTV.dll through the pointers the program bound at start-up; tests use
// TableFreqLibrary (channels/TableFreqLibrary.h) over the same tables.
#pragma once

#include "kvtv/KvTVApi.h"

namespace channels {

enum FreqBand : int { kBandAir = 0, kBandCable = 1 };

// What one KvGetFreqInfo call gives back.
struct FreqInfo {
    int frequencyHz = 0;  // of the channel asked for (0: none)
    int code = -1;        // the entry's telephone country code
    int standard = 0;     // the entry's video standard number
    int maxChannel = 0;   // the band's channel range
    int minChannel = 0;
};

class FreqLibrary {
public:
    virtual ~FreqLibrary() = default;
    virtual int CountryCount() = 0;  // KvGetContryInfo
    // KvGetFreqInfo: `code` is what the caller presets (-1 before a lookup by
    // position); the entry is chosen by `position`.
    virtual FreqInfo Lookup(int code, int position, int band, int channel) = 0;
};

// Over the two bound exports; the pointers must outlive this object (the
// library stays loaded for the whole run).
class FunctionFreqLibrary final : public FreqLibrary {
public:
    FunctionFreqLibrary(KvGetContryInfoFn count, KvGetFreqInfoFn info) : count_(count), info_(info) {}
    int CountryCount() override { return count_(); }
    FreqInfo Lookup(int code, int position, int band, int channel) override {
        FreqInfo r;
        r.code = code;
        int pos = position;
        r.frequencyHz = info_(&r.code, &pos, band, channel, 0, &r.standard, &r.maxChannel, &r.minChannel, 0);
        return r;
    }

private:
    KvGetContryInfoFn count_;
    KvGetFreqInfoFn info_;
};

}  // namespace channels
