#include "kvtv/FreqTables.h"
#include "kvtv/KvTVApi.h"

#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <map>
#include <set>
#include <string>

namespace {

int PositionOf(const std::string& name) {
    for (int p = 0; p < KvCountryCount(); ++p) {
        if (name == KvCountryName(p)) {
            return p;
        }
    }
    ADD_FAILURE() << "no entry named " << name;
    return -1;
}

// Collation of the panel's names list: case-insensitive, character by
// character; spaces and punctuation sort before letters.
bool SortsBefore(const std::string& a, const std::string& b) {
    auto lower = [](std::string s) {
        for (char& ch : s) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        return s;
    };
    return lower(a) < lower(b);
}

struct Lookup {
    int code = -99;
    int standard = -99;
    int maxCh = -99;
    int minCh = -99;
    int freq = -99;
};

// Calls the export the way the panel does: code preset to -1, reserved 0.
Lookup Query(int position, int band, int channel) {
    Lookup r;
    r.code = -1;
    r.freq = KvGetFreqInfo(&r.code, &position, band, channel, 0, &r.standard, &r.maxCh,
                           &r.minCh, 0);
    return r;
}

TEST(kvtvCountries, CountAndFixedPositions) {
    EXPECT_EQ(KvGetContryInfo(), 244);
    EXPECT_EQ(KvCountryCount(), 244);

    EXPECT_STREQ(KvCountryName(kvtv::kUsaPosition), "United States of America");
    EXPECT_EQ(kvtv::kUsaPosition, 228);
    EXPECT_EQ(Query(228, kvtv::Cable, 0).code, 1);
    EXPECT_STREQ(KvCountryName(kvtv::kRussiaPosition), "Russia");
    EXPECT_EQ(kvtv::kRussiaPosition, 180);
    EXPECT_EQ(Query(180, kvtv::Cable, 0).code, 7);

    EXPECT_STREQ(KvCountryName(0), "Afghanistan");
    EXPECT_STREQ(KvCountryName(243), "Zimbabwe");
}

TEST(kvtvCountries, EveryEntryIsConsistent) {
    std::set<std::string> names;
    std::string previous;
    for (int p = 0; p < KvCountryCount(); ++p) {
        SCOPED_TRACE(p);
        const kvtv::Country* c = kvtv::CountryAt(p);
        ASSERT_NE(c, nullptr);
        const std::string name = c->name;
        EXPECT_FALSE(name.empty());
        EXPECT_LE(name.size(), 49u);
        EXPECT_TRUE(names.insert(name).second) << "duplicate " << name;
        if (p > 0) {
            EXPECT_TRUE(SortsBefore(previous, name)) << previous << " / " << name;
        }
        previous = name;

        EXPECT_GT(c->code, 0);
        EXPECT_GE(c->standard, 0);
        EXPECT_LE(c->standard, kvtv::kHighestStandard);
        EXPECT_NE(c->standard, kvtv::Ntsc443) << "input-only standard";

        for (int band : {kvtv::Air, kvtv::Cable}) {
            SCOPED_TRACE(band);
            const Lookup q = Query(p, band, 0);
            EXPECT_EQ(q.code, c->code);
            EXPECT_EQ(q.standard, c->standard);
            ASSERT_LE(q.minCh, q.maxCh);
            EXPECT_GE(q.minCh, 0);
            // Both ends of the range are real channels.
            EXPECT_NE(Query(p, band, q.minCh).freq, 0);
            EXPECT_NE(Query(p, band, q.maxCh).freq, 0);
            std::set<int> seen;
            for (int ch = q.minCh; ch <= q.maxCh; ++ch) {
                const int f = Query(p, band, ch).freq;
                if (f == 0) continue;
                EXPECT_GE(f, 40000000) << "channel " << ch;
                EXPECT_LE(f, 900000000) << "channel " << ch;
                EXPECT_TRUE(seen.insert(f).second) << "channel " << ch << " repeats " << f;
            }
            EXPECT_EQ(Query(p, band, q.minCh - 1).freq, 0);
            EXPECT_EQ(Query(p, band, q.maxCh + 1).freq, 0);
        }
    }
}

TEST(kvtvCountries, NtscRasterGoesWithNtscAndSouthAmericanPal) {
    // Standards 0..3, 9 and 10 are tuned on 6 MHz plans (USA or Japan), all
    // others on 7 or 8 MHz plans: compare the spacing of the lowest channels.
    for (int p = 0; p < KvCountryCount(); ++p) {
        SCOPED_TRACE(KvCountryName(p));
        const int f1 = Query(p, kvtv::Air, 1).freq;
        const int f2 = Query(p, kvtv::Air, 2).freq;
        const int f3 = Query(p, kvtv::Air, 3).freq;
        const bool sixMHz = (f1 && f2 - f1 == 6000000) || (f2 && f3 - f2 == 6000000);
        const int standard = Query(p, kvtv::Air, 0).standard;
        const bool ntscRaster = standard <= kvtv::Ntsc443 || standard == kvtv::PalM ||
                                standard == kvtv::PalN;
        EXPECT_EQ(sixMHz, ntscRaster) << "standard " << standard;
    }
}

TEST(kvtvCountries, SharedTelephoneCodesHaveOneCanonicalEntry) {
    const std::map<int, std::string> cases = {
        {1, "United States of America"}, {7, "Russia"},      {39, "Italy"},
        {44, "United Kingdom"},          {47, "Norway"},     {53, "Cuba"},
        {61, "Australia"},               {64, "New Zealand"}, {212, "Morocco"},
        {262, "Reunion"},                {500, "Falkland Islands"}, {672, "Norfolk Island"},
        {49, "Germany"},                 {81, "Japan"},      {86, "China"},
    };
    for (const auto& [code, name] : cases) {
        EXPECT_EQ(kvtv::FindCountry(code), PositionOf(name)) << code;
    }
    for (int code : {0, -1, 2, 999, 99999}) {
        EXPECT_EQ(kvtv::FindCountry(code), -1) << code;
    }
    // Every code of the table leads to an entry with that code.
    for (int p = 0; p < KvCountryCount(); ++p) {
        const int code = kvtv::CountryAt(p)->code;
        const int found = kvtv::FindCountry(code);
        ASSERT_NE(found, -1) << code;
        EXPECT_EQ(kvtv::CountryAt(found)->code, code);
    }
}

struct CountryCase {
    const char* name;
    int code;
    int standard;
    int airMin, airMax, cableMin, cableMax;
};

TEST(kvtvCountries, CodeStandardAndRanges) {
    const CountryCase cases[] = {
        {"United States of America", 1, kvtv::NtscM, 2, 69, 1, 125},
        {"Canada", 1, kvtv::NtscM, 2, 69, 1, 125},
        {"Japan", 81, kvtv::NtscJapan, 1, 62, 1, 63},
        {"Korea (South)", 82, kvtv::NtscKorea, 2, 69, 1, 125},
        {"Germany", 49, kvtv::PalBG, 2, 69, 1, 41},
        {"United Kingdom", 44, kvtv::PalI, 21, 69, 21, 69},
        {"Hong Kong", 852, kvtv::PalI, 21, 69, 21, 69},
        {"Ireland", 353, kvtv::PalI, 1, 69, 1, 41},
        {"China", 86, kvtv::PalDK, 1, 57, 1, 43},
        {"France", 33, kvtv::SecamL, 2, 69, 1, 35},
        {"Russia", 7, kvtv::SecamDK, 1, 69, 1, 40},
        {"Madagascar", 261, kvtv::SecamDK, 4, 69, 4, 69},
        {"Brazil", 55, kvtv::PalM, 2, 69, 1, 125},
        {"Argentina", 54, kvtv::PalN, 2, 69, 1, 125},
        {"Iran", 98, kvtv::SecamBG, 2, 69, 1, 41},
        {"Australia", 61, kvtv::PalBG, 0, 69, 0, 69},
        {"New Zealand", 64, kvtv::PalBG, 1, 69, 1, 69},
        {"Italy", 39, kvtv::PalBG, 1, 69, 1, 41},
        {"South Africa", 27, kvtv::PalI, 4, 69, 4, 69},
    };
    for (const CountryCase& c : cases) {
        SCOPED_TRACE(c.name);
        const int p = PositionOf(c.name);
        const Lookup air = Query(p, kvtv::Air, 0);
        const Lookup cable = Query(p, kvtv::Cable, 0);
        EXPECT_EQ(air.code, c.code);
        EXPECT_EQ(air.standard, c.standard);
        EXPECT_EQ(air.minCh, c.airMin);
        EXPECT_EQ(air.maxCh, c.airMax);
        EXPECT_EQ(cable.minCh, c.cableMin);
        EXPECT_EQ(cable.maxCh, c.cableMax);
    }
}

struct FreqCase {
    const char* country;
    int band;
    int channel;
    int hz;
};

TEST(kvtvFrequencies, KnownVisionCarriers) {
    constexpr int A = kvtv::Air;
    constexpr int C = kvtv::Cable;
    const FreqCase cases[] = {
        // USA broadcast and EIA cable.
        {"United States of America", A, 2, 55250000},
        {"United States of America", A, 6, 83250000},
        {"United States of America", A, 7, 175250000},
        {"United States of America", A, 13, 211250000},
        {"United States of America", A, 14, 471250000},
        {"United States of America", A, 69, 801250000},
        {"United States of America", C, 1, 73250000},
        {"United States of America", C, 14, 121250000},   // A
        {"United States of America", C, 22, 169250000},   // I
        {"United States of America", C, 36, 295250000},
        {"United States of America", C, 37, 301250000},
        {"United States of America", C, 95, 91250000},
        {"United States of America", C, 99, 115250000},
        {"United States of America", C, 125, 799250000},
        {"Brazil", A, 2, 55250000},
        // Japan, including the C22 offset and C24 (not 231.25).
        {"Japan", A, 1, 91250000},
        {"Japan", A, 7, 189250000},
        {"Japan", A, 8, 193250000},
        {"Japan", A, 13, 471250000},
        {"Japan", A, 62, 765250000},
        {"Japan", C, 13, 109250000},
        {"Japan", C, 22, 165250000},
        {"Japan", C, 24, 229250000},
        {"Japan", C, 63, 463250000},
        // Western Europe.
        {"Germany", A, 2, 48250000},
        {"Germany", A, 5, 175250000},
        {"Germany", A, 12, 224250000},
        {"Germany", A, 21, 471250000},
        {"Germany", A, 69, 855250000},
        {"Germany", A, 13, 0},
        {"Germany", A, 20, 0},
        {"Germany", C, 1, 105250000},
        {"Germany", C, 10, 168250000},
        {"Germany", C, 11, 231250000},
        {"Germany", C, 21, 303250000},
        {"Germany", C, 41, 463250000},
        // OIRT, with channel 65 at 823.25 (not 523.25).
        {"Russia", A, 1, 49750000},
        {"Russia", A, 2, 59250000},
        {"Russia", A, 5, 93250000},
        {"Russia", A, 6, 175250000},
        {"Russia", A, 12, 223250000},
        {"Russia", A, 65, 823250000},
        {"Russia", C, 1, 111250000},
        {"Russia", C, 8, 167250000},
        {"Russia", C, 9, 0},
        {"Russia", C, 11, 231250000},
        {"Russia", C, 20, 303250000},
        {"Russia", C, 40, 463250000},
        {"Poland", A, 3, 77250000},
        // China DS and Z.
        {"China", A, 1, 49750000},
        {"China", A, 6, 168250000},
        {"China", A, 24, 559250000},
        {"China", A, 25, 607250000},
        {"China", A, 57, 863250000},
        {"China", C, 1, 112250000},
        {"China", C, 8, 224250000},
        {"China", C, 37, 456250000},
        {"China", C, 39, 567250000},
        {"China", C, 43, 599250000},
        // Australia (analogue plan) and New Zealand.
        {"Australia", A, 0, 46250000},
        {"Australia", A, 3, 86250000},
        {"Australia", A, 5, 102250000},
        {"Australia", A, 13, 138250000},   // 5A
        {"Australia", A, 10, 209250000},
        {"Australia", A, 12, 0},
        {"Australia", A, 14, 0},           // 9A
        {"Australia", A, 27, 0},
        {"Australia", A, 28, 527250000},
        {"Australia", C, 36, 583250000},
        {"Australia", A, 69, 814250000},
        {"New Zealand", A, 1, 45250000},
        {"New Zealand", A, 3, 62250000},
        {"New Zealand", A, 11, 224250000},
        {"New Zealand", C, 21, 471250000},
        // PAL-I.
        {"Ireland", A, 1, 45750000},
        {"Ireland", A, 9, 215250000},
        {"Ireland", A, 10, 0},
        {"Ireland", C, 21, 303250000},
        {"United Kingdom", A, 21, 471250000},
        {"United Kingdom", A, 68, 847250000},
        {"United Kingdom", C, 69, 855250000},
        {"United Kingdom", A, 20, 0},
        {"Hong Kong", C, 21, 471250000},
        {"South Africa", A, 4, 175250000},
        {"South Africa", A, 11, 231250000},
        {"South Africa", A, 13, 247250000},
        // France and SECAM-K1.
        {"France", A, 2, 55750000},
        {"France", A, 3, 60500000},
        {"France", A, 4, 63750000},
        {"France", A, 5, 176000000},
        {"France", A, 10, 216000000},
        {"France", A, 11, 0},
        {"France", C, 1, 116750000},
        {"France", C, 4, 159750000},
        {"France", C, 5, 164750000},
        {"France", C, 16, 296750000},
        {"France", C, 17, 303250000},
        {"France", C, 35, 447250000},
        {"Madagascar", A, 4, 175250000},
        {"Madagascar", C, 9, 215250000},
        {"Madagascar", A, 10, 0},
        // Italy.
        {"Italy", A, 1, 53750000},
        {"Italy", A, 5, 183750000},
        {"Italy", A, 8, 210250000},
        {"Italy", A, 10, 224250000},
        {"Italy", C, 21, 303250000},
    };
    for (const FreqCase& c : cases) {
        EXPECT_EQ(Query(PositionOf(c.country), c.band, c.channel).freq, c.hz)
            << c.country << (c.band == kvtv::Air ? " air " : " cable ") << c.channel;
    }
}

TEST(kvtvLookup, PositionsOutsideTheTableAnswerNothing) {
    EXPECT_EQ(KvCountryName(-1), nullptr);
    EXPECT_EQ(KvCountryName(244), nullptr);
    EXPECT_EQ(kvtv::CountryAt(244), nullptr);

    for (int position : {-1, 244, 245, INT_MAX, INT_MIN}) {
        SCOPED_TRACE(position);
        for (int band : {kvtv::Air, kvtv::Cable}) {
            const Lookup q = Query(position, band, 5);
            EXPECT_EQ(q.freq, 0);
            EXPECT_EQ(q.code, -1);
            EXPECT_EQ(q.standard, 0);
            EXPECT_EQ(q.maxCh, 0);
            EXPECT_EQ(q.minCh, 0);
        }
    }

    // No position pointer at all, and no output pointers.
    int code = 5;
    EXPECT_EQ(KvGetFreqInfo(&code, nullptr, 0, 2, 0, nullptr, nullptr, nullptr, 0), 0);
    EXPECT_EQ(code, -1);
    int usa = kvtv::kUsaPosition;
    EXPECT_EQ(KvGetFreqInfo(nullptr, &usa, 0, 2, 0, nullptr, nullptr, nullptr, 0), 55250000);
}

TEST(kvtvLookup, UnknownBandGivesCountryDataOnly) {
    for (int band : {-1, 2, 100}) {
        const Lookup q = Query(PositionOf("Germany"), band, 21);
        EXPECT_EQ(q.code, 49);
        EXPECT_EQ(q.standard, kvtv::PalBG);
        EXPECT_EQ(q.minCh, 0);
        EXPECT_EQ(q.maxCh, 0);
        EXPECT_EQ(q.freq, 0);
    }
}

TEST(kvtvLookup, CodeArgumentIsOutputOnly) {
    // A caller passing a code instead of -1 still gets the entry at the
    // position (the panel re-queries ranges with the code it got back).
    int code = 44;
    int position = PositionOf("Guernsey");
    int standard = 0, maxCh = 0, minCh = 0;
    EXPECT_EQ(KvGetFreqInfo(&code, &position, 1, 21, 0, &standard, &maxCh, &minCh, 0), 471250000);
    EXPECT_EQ(position, PositionOf("Guernsey"));
    EXPECT_EQ(code, 44);

    code = 672;  // shared by Antarctica (US plan) and Norfolk Island (Australian plan)
    position = PositionOf("Antarctica");
    KvGetFreqInfo(&code, &position, 0, 0, 0, &standard, &maxCh, &minCh, 0);
    EXPECT_EQ(standard, kvtv::NtscM);
    EXPECT_EQ(minCh, 2);
}

}  // namespace
