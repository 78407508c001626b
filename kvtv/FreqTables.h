// Country and channel tables of the frequency library (KvTV.dll).
//
// One table of 244 countries in a fixed order: the order of the country
// names 1..244 in the panel INI (key p + 1 names position p). Each entry
// carries its telephone country code, its video standard number and one
// channel raster per band (air, cable). A raster maps channel numbers to
// vision carrier frequencies in Hz.
//
// Portable code: no Windows headers; the DLL exports in KvTVApi.h sit on top.
#pragma once

#include <span>

namespace kvtv {

// Video standard numbers. 0..3 are the NTSC family; 4 and up are PAL/SECAM;
// 9 and 10 are PAL variants transmitted on the 6 MHz NTSC channel raster.
enum VideoStandard : int {
    NtscM = 0,      // NTSC-M (USA and most of the Americas)
    NtscJapan = 1,  // NTSC-M Japan, 0 IRE setup
    NtscKorea = 2,  // NTSC-M Korea (A2 stereo)
    Ntsc443 = 3,    // reserved: NTSC-4.43, video inputs only, no country uses it
    PalBG = 4,      // PAL-B/G (and PAL-H, which tunes like G)
    PalI = 5,       // PAL-I
    PalDK = 6,      // PAL-D/K
    SecamL = 7,     // SECAM-L/L' (positive modulation, AM sound)
    SecamDK = 8,    // SECAM-D/K, including K1
    PalM = 9,       // PAL-M, 525 lines
    PalN = 10,      // PAL-N (Nc), 625 lines
    SecamBG = 11,   // SECAM-B/G
};
inline constexpr int kHighestStandard = SecamBG;

enum Band : int { Air = 0, Cable = 1 };

// A run of channels with evenly spaced carriers: channel n in first..last
// has baseHz + stepHz * (n - first).
struct ChannelBlock {
    int first;
    int last;
    int baseHz;
    int stepHz;
};

struct Raster {
    const char* id;       // short name of the channel plan, e.g. "CCIR-S"
    int minChannel;       // lowest channel number of the band
    int maxChannel;       // highest channel number of the band
    std::span<const ChannelBlock> blocks;

    // Vision carrier of `channel` in Hz; 0 when the channel is outside
    // minChannel..maxChannel or belongs to no block (a gap in the plan).
    constexpr int Frequency(int channel) const {
        if (channel < minChannel || channel > maxChannel) {
            return 0;
        }
        for (const ChannelBlock& b : blocks) {
            if (channel >= b.first && channel <= b.last) {
                return b.baseHz + b.stepHz * (channel - b.first);
            }
        }
        return 0;
    }
};

struct Country {
    const char* name;     // English name as in the panel INI, at most 49 characters
    int code;             // telephone country code (win.ini [intl] iCountry numbering)
    int standard;         // VideoStandard
    const Raster* air;
    const Raster* cable;

    // Raster of band 0 (air) or 1 (cable).
    const Raster& ForBand(int band) const { return band == Air ? *air : *cable; }
};

inline constexpr int kCountryCount = 244;
inline constexpr int kUsaPosition = 228;     // the entry for telephone code 1
inline constexpr int kRussiaPosition = 180;  // the entry for telephone code 7

// Entry at `position`, or nullptr outside 0..kCountryCount-1.
const Country* CountryAt(int position);

// Canonical position for a telephone code, -1 when no entry has it. Codes
// shared by several entries map to one chosen entry (1 -> USA, 7 -> Russia,
// 44 -> United Kingdom, ...); other codes to their only entry.
int FindCountry(int code);

}  // namespace kvtv

// Flat interface, the one behind the DLL exports.

int KvCountryCount();

// Name of the entry at `position`; nullptr outside 0..count-1.
const char* KvCountryName(int position);

// Looks up the entry at *position. Returns the vision carrier in Hz of
// `channel` in `band` (0 air, 1 cable), or 0 when the channel has none.
// Writes the entry's telephone code to *code, its video standard to
// *standard and the band's channel range to *maxCh / *minCh.
// A missing or out-of-range position writes code -1 and zeros and returns 0;
// a band other than 0 or 1 still gives code and standard, with range 0..0.
// Any output pointer may be null.
int KvLookupFreq(int* code, const int* position, int band, int channel,
                 int* standard, int* maxCh, int* minCh);
