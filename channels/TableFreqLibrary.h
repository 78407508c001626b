// The frequency library over the portable tables of kvtv (link kvtv_tables):
// the same answers as KvTV.dll, without loading anything.
#pragma once

#include "channels/FreqLibrary.h"
#include "kvtv/FreqTables.h"

namespace channels {

class TableFreqLibrary final : public FreqLibrary {
public:
    int CountryCount() override { return KvCountryCount(); }
    FreqInfo Lookup(int code, int position, int band, int channel) override {
        FreqInfo r;
        r.code = code;
        r.frequencyHz = KvLookupFreq(&r.code, &position, band, channel, &r.standard, &r.maxChannel, &r.minChannel);
        return r;
    }
};

}  // namespace channels
