// The two exports of KvTV.dll, on top of the portable tables.
#include "kvtv/KvTVApi.h"

#include "kvtv/FreqTables.h"

extern "C" int KVTV_CDECL KvGetContryInfo(void) { return KvCountryCount(); }

extern "C" int KVTV_CDECL KvGetFreqInfo(int* code, int* position, int band, int channel,
                                        int reserved1, int* standard, int* maxChannel,
                                        int* minChannel, int reserved2) {
    return KvLookupFreq(code, position, band, channel, standard, maxChannel, minChannel);
}
