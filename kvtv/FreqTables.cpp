// Channel rasters and the country table of the frequency library.
#include "kvtv/FreqTables.h"

#include <array>
#include <string_view>

namespace kvtv {
namespace {

constexpr int MHz(double mhz) { return static_cast<int>(mhz * 1000000.0 + 0.5); }

// ---------------------------------------------------------------------------
// Channel rasters. Every value is a vision carrier. Channel numbers inside a
// raster's range that fall in no block (e.g. 13..20 in Europe) have no carrier.

// UHF block shared by most 625-line plans: E21..E69, 8 MHz apart.
constexpr ChannelBlock kUhf8{21, 69, MHz(471.25), MHz(8)};

// USA broadcast, 6 MHz (channels 70..83 were withdrawn in 1983).
constexpr ChannelBlock kUsAirBlocks[] = {
    {2, 4, MHz(55.25), MHz(6)},
    {5, 6, MHz(77.25), MHz(6)},
    {7, 13, MHz(175.25), MHz(6)},
    {14, 69, MHz(471.25), MHz(6)},
};
constexpr Raster kUs{"US", 2, 69, kUsAirBlocks};

// USA cable, EIA-542 standard plan (not IRC/HRC).
constexpr ChannelBlock kUsCableBlocks[] = {
    {1, 1, MHz(73.25), 0},
    {2, 4, MHz(55.25), MHz(6)},
    {5, 6, MHz(77.25), MHz(6)},
    {7, 13, MHz(175.25), MHz(6)},
    {14, 22, MHz(121.25), MHz(6)},    // A..I
    {23, 94, MHz(217.25), MHz(6)},
    {95, 99, MHz(91.25), MHz(6)},     // A-5..A-1
    {100, 125, MHz(649.25), MHz(6)},
};
constexpr Raster kUsCatv{"US-CATV", 1, 125, kUsCableBlocks};

// Japan broadcast, 6 MHz (channels 7 and 8 overlap by 2 MHz).
constexpr ChannelBlock kJpAirBlocks[] = {
    {1, 3, MHz(91.25), MHz(6)},
    {4, 7, MHz(171.25), MHz(6)},
    {8, 12, MHz(193.25), MHz(6)},
    {13, 62, MHz(471.25), MHz(6)},
};
constexpr Raster kJp{"JP", 1, 62, kJpAirBlocks};

// Japan cable: 1..12 as broadcast, then C13..C63.
constexpr ChannelBlock kJpCableBlocks[] = {
    {1, 3, MHz(91.25), MHz(6)},
    {4, 7, MHz(171.25), MHz(6)},
    {8, 12, MHz(193.25), MHz(6)},
    {13, 21, MHz(109.25), MHz(6)},
    {22, 22, MHz(165.25), 0},         // 2 MHz above the C13..C21 raster
    {23, 63, MHz(223.25), MHz(6)},
};
constexpr Raster kJpCatv{"JP-CATV", 1, 63, kJpCableBlocks};

// Western Europe broadcast: E2..E12 and UHF.
constexpr ChannelBlock kCcirAirBlocks[] = {
    {2, 4, MHz(48.25), MHz(7)},
    {5, 12, MHz(175.25), MHz(7)},
    kUhf8,
};
constexpr Raster kCcir{"CCIR", 2, 69, kCcirAirBlocks};

// Western Europe cable: S1..S20 special channels, S21..S41 hyperband.
constexpr ChannelBlock kCcirCableBlocks[] = {
    {1, 10, MHz(105.25), MHz(7)},
    {11, 20, MHz(231.25), MHz(7)},
    {21, 41, MHz(303.25), MHz(8)},
};
constexpr Raster kCcirS{"CCIR-S", 1, 41, kCcirCableBlocks};

// OIRT broadcast (Russia and neighbours): R1..R12 and UHF.
constexpr ChannelBlock kOirtAirBlocks[] = {
    {1, 1, MHz(49.75), 0},
    {2, 2, MHz(59.25), 0},
    {3, 5, MHz(77.25), MHz(8)},
    {6, 12, MHz(175.25), MHz(8)},
    kUhf8,
};
constexpr Raster kOirt{"OIRT", 1, 69, kOirtAirBlocks};

// OIRT cable: SK1..SK8, SK11..SK19, S20..S40 (hyperband numbered one lower
// than in Western Europe: S20 here is S21 there).
constexpr ChannelBlock kOirtCableBlocks[] = {
    {1, 8, MHz(111.25), MHz(8)},
    {11, 19, MHz(231.25), MHz(8)},
    {20, 40, MHz(303.25), MHz(8)},
};
constexpr Raster kOirtS{"OIRT-S", 1, 40, kOirtCableBlocks};

// China broadcast DS-1..DS-57 (DS-58..DS-68 lie above 870 MHz and are left out).
constexpr ChannelBlock kCnAirBlocks[] = {
    {1, 3, MHz(49.75), MHz(8)},
    {4, 5, MHz(77.25), MHz(8)},
    {6, 12, MHz(168.25), MHz(8)},
    {13, 24, MHz(471.25), MHz(8)},
    {25, 57, MHz(607.25), MHz(8)},
};
constexpr Raster kCn{"CN", 1, 57, kCnAirBlocks};

// China cable Z-1..Z-43. Z-38 (464.25 MHz) continues the Z-8..Z-37 raster;
// no published table was found for it.
constexpr ChannelBlock kCnCableBlocks[] = {
    {1, 7, MHz(112.25), MHz(8)},
    {8, 38, MHz(224.25), MHz(8)},
    {39, 43, MHz(567.25), MHz(8)},    // the gap between DS-24 and DS-25
};
constexpr Raster kCnZ{"CN-Z", 1, 43, kCnCableBlocks};

// Australia, analogue plan before the 2001 VHF revision. 5A is channel 13;
// 9A (channel 14) and channel 12 came only with the revision and carry no
// analogue carrier here; 15..27 are unused.
constexpr ChannelBlock kAuBlocks[] = {
    {0, 0, MHz(46.25), 0},
    {1, 2, MHz(57.25), MHz(7)},
    {3, 3, MHz(86.25), 0},
    {4, 5, MHz(95.25), MHz(7)},
    {6, 9, MHz(175.25), MHz(7)},
    {10, 11, MHz(209.25), MHz(7)},
    {13, 13, MHz(138.25), 0},         // 5A
    {28, 69, MHz(527.25), MHz(7)},
};
constexpr Raster kAu{"AU", 0, 69, kAuBlocks};

// New Zealand.
constexpr ChannelBlock kNzBlocks[] = {
    {1, 1, MHz(45.25), 0},
    {2, 3, MHz(55.25), MHz(7)},
    {4, 11, MHz(175.25), MHz(7)},
    kUhf8,
};
constexpr Raster kNz{"NZ", 1, 69, kNzBlocks};

// Ireland: A..J as 1..9, then UHF.
constexpr ChannelBlock kIeBlocks[] = {
    {1, 3, MHz(45.75), MHz(8)},
    {4, 9, MHz(175.25), MHz(8)},
    kUhf8,
};
constexpr Raster kIe{"IE", 1, 69, kIeBlocks};

// UHF only: United Kingdom and Hong Kong / Macau.
constexpr ChannelBlock kUhfOnlyBlocks[] = {kUhf8};
constexpr Raster kUk{"UK", 21, 69, kUhfOnlyBlocks};
constexpr Raster kHk{"HK", 21, 69, kUhfOnlyBlocks};

// France broadcast: L2..L10 (band I sound lies below vision), then UHF.
constexpr ChannelBlock kFrAirBlocks[] = {
    {2, 2, MHz(55.75), 0},
    {3, 3, MHz(60.50), 0},
    {4, 4, MHz(63.75), 0},
    {5, 10, MHz(176.00), MHz(8)},
    kUhf8,
};
constexpr Raster kFr{"FR", 2, 69, kFrAirBlocks};

// France cable: KB..KQ as 1..16, H01..H19 as 17..35.
constexpr ChannelBlock kFrCableBlocks[] = {
    {1, 3, MHz(116.75), MHz(12)},
    {4, 4, MHz(159.75), 0},
    {5, 16, MHz(164.75), MHz(12)},
    {17, 35, MHz(303.25), MHz(8)},
};
constexpr Raster kFrCatv{"FR-CATV", 1, 35, kFrCableBlocks};

// French overseas territories and francophone Africa (SECAM-K1).
constexpr ChannelBlock kFotBlocks[] = {
    {4, 9, MHz(175.25), MHz(8)},
    kUhf8,
};
constexpr Raster kFot{"FOT", 4, 69, kFotBlocks};

// Italy: A..H2 as 1..10, then UHF.
constexpr ChannelBlock kItBlocks[] = {
    {1, 1, MHz(53.75), 0},   // A
    {2, 2, MHz(62.25), 0},   // B
    {3, 3, MHz(82.25), 0},   // C
    {4, 4, MHz(175.25), 0},  // D
    {5, 5, MHz(183.75), 0},  // E
    {6, 6, MHz(192.25), 0},  // F
    {7, 7, MHz(201.25), 0},  // G
    {8, 8, MHz(210.25), 0},  // H
    {9, 10, MHz(217.25), MHz(7)},  // H1, H2
    kUhf8,
};
constexpr Raster kIt{"IT", 1, 69, kItBlocks};

// South Africa: VHF 4..13 (12 and 13 from a single table), then UHF.
constexpr ChannelBlock kZaBlocks[] = {
    {4, 13, MHz(175.25), MHz(8)},
    kUhf8,
};
constexpr Raster kZa{"ZA", 4, 69, kZaBlocks};

// ---------------------------------------------------------------------------
// Countries, in the order of the panel INI names: English names, accents
// removed, compared case-insensitively character by character (spaces and
// punctuation before letters, a prefix before its extensions). Moving or
// renaming an entry moves every later position, including the fixed ones.
// Where analogue TV is not documented the entry is nominal, so that every
// position answers.

constexpr Country kCountries[] = {
    {"Afghanistan",                                   93, PalBG,     &kCcir,    &kCcirS},       //   0: unverified; also SECAM-B reported
    {"Albania",                                      355, PalBG,     &kCcir,    &kCcirS},       //   1
    {"Algeria",                                      213, PalBG,     &kCcir,    &kCcirS},       //   2
    {"American Samoa",                                 1, NtscM,     &kUs,      &kUsCatv},      //   3: 684 before 2004
    {"Andorra",                                      376, PalBG,     &kCcir,    &kCcirS},       //   4: French SECAM-L also receivable
    {"Angola",                                       244, PalI,      &kZa,      &kZa},          //   5: unverified; PAL-I; VHF raster assumed = ZA
    {"Anguilla",                                       1, NtscM,     &kUs,      &kUsCatv},      //   6
    {"Antarctica",                                   672, NtscM,     &kUs,      &kUsCatv},      //   7: nominal; only station TV (US bases)
    {"Antigua and Barbuda",                            1, NtscM,     &kUs,      &kUsCatv},      //   8
    {"Argentina",                                     54, PalN,      &kUs,      &kUsCatv},      //   9: PAL-N (Nc)
    {"Armenia",                                      374, SecamDK,   &kOirt,    &kOirtS},       //  10
    {"Aruba",                                        297, NtscM,     &kUs,      &kUsCatv},      //  11
    {"Ascension Island",                             247, PalI,      &kUk,      &kUk},          //  12: unverified; TAPI entry; UK territory
    {"Australia",                                     61, PalBG,     &kAu,      &kAu},          //  13
    {"Austria",                                       43, PalBG,     &kCcir,    &kCcirS},       //  14
    {"Azerbaijan",                                   994, SecamDK,   &kOirt,    &kOirtS},       //  15
    {"Bahamas",                                        1, NtscM,     &kUs,      &kUsCatv},      //  16
    {"Bahrain",                                      973, PalBG,     &kCcir,    &kCcirS},       //  17
    {"Bangladesh",                                   880, PalBG,     &kCcir,    &kCcirS},       //  18
    {"Barbados",                                       1, NtscM,     &kUs,      &kUsCatv},      //  19
    {"Belarus",                                      375, SecamDK,   &kOirt,    &kOirtS},       //  20
    {"Belgium",                                       32, PalBG,     &kCcir,    &kCcirS},       //  21: UHF is PAL-H (same tuning as G)
    {"Belize",                                       501, NtscM,     &kUs,      &kUsCatv},      //  22
    {"Benin",                                        229, SecamDK,   &kFot,     &kFot},         //  23: SECAM-K1
    {"Bermuda",                                        1, NtscM,     &kUs,      &kUsCatv},      //  24
    {"Bhutan",                                       975, PalBG,     &kCcir,    &kCcirS},       //  25: unverified; TV only from 1999
    {"Bolivia",                                      591, NtscM,     &kUs,      &kUsCatv},      //  26
    {"Bosnia and Herzegovina",                       387, PalBG,     &kCcir,    &kCcirS},       //  27
    {"Botswana",                                     267, PalI,      &kZa,      &kZa},          //  28
    {"Bouvet Island",                                 47, PalBG,     &kCcir,    &kCcirS},       //  29: nominal; uninhabited
    {"Brazil",                                        55, PalM,      &kUs,      &kUsCatv},      //  30: PAL-M
    {"British Indian Ocean Territory",               246, NtscM,     &kUs,      &kUsCatv},      //  31: nominal; Diego Garcia (TAPI name); US forces TV
    {"Brunei",                                       673, PalBG,     &kCcir,    &kCcirS},       //  32
    {"Bulgaria",                                     359, PalDK,     &kOirt,    &kOirtS},       //  33: unverified; SECAM-D/K until the 1990s
    {"Burkina Faso",                                 226, SecamDK,   &kFot,     &kFot},         //  34: SECAM-K1
    {"Burundi",                                      257, SecamDK,   &kFot,     &kFot},         //  35: SECAM-K1
    {"Cambodia",                                     855, PalBG,     &kCcir,    &kCcirS},       //  36: unverified
    {"Cameroon",                                     237, PalBG,     &kCcir,    &kCcirS},       //  37
    {"Canada",                                         1, NtscM,     &kUs,      &kUsCatv},      //  38
    {"Cape Verde",                                   238, PalBG,     &kCcir,    &kCcirS},       //  39: unverified
    {"Cayman Islands",                                 1, NtscM,     &kUs,      &kUsCatv},      //  40
    {"Central African Republic",                     236, SecamDK,   &kFot,     &kFot},         //  41: SECAM-K1
    {"Chad",                                         235, SecamDK,   &kFot,     &kFot},         //  42: SECAM-K1
    {"Chile",                                         56, NtscM,     &kUs,      &kUsCatv},      //  43
    {"China",                                         86, PalDK,     &kCn,      &kCnZ},         //  44
    {"Christmas Island",                              61, PalBG,     &kAu,      &kAu},          //  45: 672 in older lists
    {"Cocos (Keeling) Islands",                       61, PalBG,     &kAu,      &kAu},          //  46
    {"Colombia",                                      57, NtscM,     &kUs,      &kUsCatv},      //  47
    {"Comoros",                                      269, SecamDK,   &kFot,     &kFot},         //  48: unverified; SECAM-K1
    {"Congo",                                        242, SecamDK,   &kFot,     &kFot},         //  49: unverified; SECAM-K1 (Rep. of the Congo)
    {"Cook Islands",                                 682, PalBG,     &kNz,      &kNz},          //  50
    {"Costa Rica",                                   506, NtscM,     &kUs,      &kUsCatv},      //  51
    {"Cote d'Ivoire",                                225, SecamDK,   &kFot,     &kFot},         //  52: SECAM-K1
    {"Croatia",                                      385, PalBG,     &kCcir,    &kCcirS},       //  53
    {"Cuba",                                          53, NtscM,     &kUs,      &kUsCatv},      //  54
    {"Cyprus",                                       357, PalBG,     &kCcir,    &kCcirS},       //  55
    {"Czech Republic",                               420, PalDK,     &kOirt,    &kOirtS},       //  56: SECAM-D/K until 1992-94; 42 before 1997
    {"Denmark",                                       45, PalBG,     &kCcir,    &kCcirS},       //  57
    {"Djibouti",                                     253, SecamBG,   &kCcir,    &kCcirS},       //  58: unverified
    {"Dominica",                                       1, NtscM,     &kUs,      &kUsCatv},      //  59
    {"Dominican Republic",                             1, NtscM,     &kUs,      &kUsCatv},      //  60
    {"East Timor",                                   670, PalBG,     &kCcir,    &kCcirS},       //  61: unverified; ISO name 1974-2002; now Timor-Leste
    {"Ecuador",                                      593, NtscM,     &kUs,      &kUsCatv},      //  62
    {"Egypt",                                         20, PalBG,     &kCcir,    &kCcirS},       //  63: unverified; SECAM-B/G until about 1992
    {"El Salvador",                                  503, NtscM,     &kUs,      &kUsCatv},      //  64
    {"Equatorial Guinea",                            240, PalBG,     &kCcir,    &kCcirS},       //  65: unverified
    {"Eritrea",                                      291, PalBG,     &kCcir,    &kCcirS},       //  66
    {"Estonia",                                      372, PalBG,     &kCcir,    &kCcirS},       //  67: unverified; SECAM-D/K/OIRT until the 1990s
    {"Ethiopia",                                     251, PalBG,     &kCcir,    &kCcirS},       //  68
    {"Falkland Islands",                             500, PalI,      &kUk,      &kUk},          //  69
    {"Faroe Islands",                                298, PalBG,     &kCcir,    &kCcirS},       //  70
    {"Fiji",                                         679, PalBG,     &kAu,      &kAu},          //  71: unverified; VHF raster assumed = AU
    {"Finland",                                      358, PalBG,     &kCcir,    &kCcirS},       //  72
    {"France",                                        33, SecamL,    &kFr,      &kFrCatv},      //  73
    {"French Guiana",                                594, SecamDK,   &kFot,     &kFot},         //  74: SECAM-K1
    {"French Polynesia",                             689, SecamDK,   &kFot,     &kFot},         //  75: SECAM-K1
    {"French Southern Territories",                  262, SecamDK,   &kFot,     &kFot},         //  76: nominal; no resident TV
    {"Gabon",                                        241, SecamDK,   &kFot,     &kFot},         //  77: SECAM-K1
    {"Gambia",                                       220, PalBG,     &kCcir,    &kCcirS},       //  78
    {"Georgia",                                      995, SecamDK,   &kOirt,    &kOirtS},       //  79
    {"Germany",                                       49, PalBG,     &kCcir,    &kCcirS},       //  80
    {"Ghana",                                        233, PalBG,     &kCcir,    &kCcirS},       //  81
    {"Gibraltar",                                    350, PalBG,     &kCcir,    &kCcirS},       //  82
    {"Greece",                                        30, PalBG,     &kCcir,    &kCcirS},       //  83: SECAM-B/G until 1992
    {"Greenland",                                    299, PalBG,     &kCcir,    &kCcirS},       //  84
    {"Grenada",                                        1, NtscM,     &kUs,      &kUsCatv},      //  85
    {"Guadeloupe",                                   590, SecamDK,   &kFot,     &kFot},         //  86: SECAM-K1
    {"Guam",                                           1, NtscM,     &kUs,      &kUsCatv},      //  87: 671 before 1997
    {"Guantanamo Bay",                                53, NtscM,     &kUs,      &kUsCatv},      //  88: TAPI entry (TAPI id 5399); US forces TV
    {"Guatemala",                                    502, NtscM,     &kUs,      &kUsCatv},      //  89
    {"Guernsey",                                      44, PalI,      &kUk,      &kUk},          //  90
    {"Guinea",                                       224, SecamDK,   &kFot,     &kFot},         //  91: unverified; SECAM-K1
    {"Guinea-Bissau",                                245, PalBG,     &kCcir,    &kCcirS},       //  92: unverified
    {"Guyana",                                       592, NtscM,     &kUs,      &kUsCatv},      //  93
    {"Haiti",                                        509, NtscM,     &kUs,      &kUsCatv},      //  94
    {"Heard Island and McDonald Islands",            672, PalBG,     &kAu,      &kAu},          //  95: nominal; uninhabited
    {"Honduras",                                     504, NtscM,     &kUs,      &kUsCatv},      //  96
    {"Hong Kong",                                    852, PalI,      &kHk,      &kHk},          //  97
    {"Hungary",                                       36, PalDK,     &kOirt,    &kOirtS},       //  98: SECAM-D/K until early 1990s
    {"Iceland",                                      354, PalBG,     &kCcir,    &kCcirS},       //  99
    {"India",                                         91, PalBG,     &kCcir,    &kCcirS},       // 100
    {"Indonesia",                                     62, PalBG,     &kCcir,    &kCcirS},       // 101
    {"Iran",                                          98, SecamBG,   &kCcir,    &kCcirS},       // 102
    {"Iraq",                                         964, SecamBG,   &kCcir,    &kCcirS},       // 103
    {"Ireland",                                      353, PalI,      &kIe,      &kCcirS},       // 104
    {"Isle of Man",                                   44, PalI,      &kUk,      &kUk},          // 105
    {"Israel",                                       972, PalBG,     &kCcir,    &kCcirS},       // 106
    {"Italy",                                         39, PalBG,     &kIt,      &kCcirS},       // 107
    {"Jamaica",                                        1, NtscM,     &kUs,      &kUsCatv},      // 108
    {"Japan",                                         81, NtscJapan, &kJp,      &kJpCatv},      // 109
    {"Jersey",                                        44, PalI,      &kUk,      &kUk},          // 110
    {"Jordan",                                       962, PalBG,     &kCcir,    &kCcirS},       // 111
    {"Kazakhstan",                                     7, SecamDK,   &kOirt,    &kOirtS},       // 112: shares code 7 with Russia
    {"Kenya",                                        254, PalBG,     &kCcir,    &kCcirS},       // 113
    {"Kiribati",                                     686, PalBG,     &kAu,      &kAu},          // 114: nominal
    {"Korea (North)",                                850, PalDK,     &kOirt,    &kOirtS},       // 115: unverified
    {"Korea (South)",                                 82, NtscKorea, &kUs,      &kUsCatv},      // 116
    {"Kuwait",                                       965, PalBG,     &kCcir,    &kCcirS},       // 117
    {"Kyrgyzstan",                                   996, SecamDK,   &kOirt,    &kOirtS},       // 118: 7 until 1990s
    {"Laos",                                         856, PalBG,     &kCcir,    &kCcirS},       // 119
    {"Latvia",                                       371, PalDK,     &kOirt,    &kOirtS},       // 120: unverified; SECAM-D/K until the 1990s
    {"Lebanon",                                      961, SecamBG,   &kCcir,    &kCcirS},       // 121: unverified; PAL-B/G also used
    {"Lesotho",                                      266, PalI,      &kZa,      &kZa},          // 122
    {"Liberia",                                      231, PalBG,     &kCcir,    &kCcirS},       // 123
    {"Libya",                                        218, SecamBG,   &kCcir,    &kCcirS},       // 124: unverified
    {"Liechtenstein",                                423, PalBG,     &kCcir,    &kCcirS},       // 125: 41 before 1999
    {"Lithuania",                                    370, PalDK,     &kOirt,    &kOirtS},       // 126: unverified; SECAM-D/K until the 1990s
    {"Luxembourg",                                   352, PalBG,     &kCcir,    &kCcirS},       // 127: SECAM-L also transmitted
    {"Macau",                                        853, PalI,      &kHk,      &kHk},          // 128
    {"Macedonia",                                    389, PalBG,     &kCcir,    &kCcirS},       // 129
    {"Madagascar",                                   261, SecamDK,   &kFot,     &kFot},         // 130: SECAM-K1
    {"Malawi",                                       265, PalBG,     &kCcir,    &kCcirS},       // 131: unverified; TV only from 1999
    {"Malaysia",                                      60, PalBG,     &kCcir,    &kCcirS},       // 132
    {"Maldives",                                     960, PalBG,     &kCcir,    &kCcirS},       // 133
    {"Mali",                                         223, SecamDK,   &kFot,     &kFot},         // 134: unverified; SECAM-K1
    {"Malta",                                        356, PalBG,     &kCcir,    &kCcirS},       // 135
    {"Marshall Islands",                             692, NtscM,     &kUs,      &kUsCatv},      // 136
    {"Martinique",                                   596, SecamDK,   &kFot,     &kFot},         // 137: SECAM-K1
    {"Mauritania",                                   222, SecamBG,   &kCcir,    &kCcirS},       // 138
    {"Mauritius",                                    230, SecamBG,   &kCcir,    &kCcirS},       // 139
    {"Mayotte",                                      262, SecamDK,   &kFot,     &kFot},         // 140: 269 before 2007; SECAM-K1
    {"Mexico",                                        52, NtscM,     &kUs,      &kUsCatv},      // 141
    {"Micronesia",                                   691, NtscM,     &kUs,      &kUsCatv},      // 142
    {"Moldova",                                      373, SecamDK,   &kOirt,    &kOirtS},       // 143
    {"Monaco",                                       377, SecamL,    &kFr,      &kFrCatv},      // 144: PAL-G also transmitted
    {"Mongolia",                                     976, SecamDK,   &kOirt,    &kOirtS},       // 145
    {"Montserrat",                                     1, NtscM,     &kUs,      &kUsCatv},      // 146
    {"Morocco",                                      212, SecamBG,   &kCcir,    &kCcirS},       // 147
    {"Mozambique",                                   258, PalBG,     &kCcir,    &kCcirS},       // 148
    {"Myanmar",                                       95, NtscM,     &kUs,      &kUsCatv},      // 149
    {"Namibia",                                      264, PalI,      &kZa,      &kZa},          // 150
    {"Nauru",                                        674, PalBG,     &kAu,      &kAu},          // 151: unverified
    {"Nepal",                                        977, PalBG,     &kCcir,    &kCcirS},       // 152
    {"Netherlands",                                   31, PalBG,     &kCcir,    &kCcirS},       // 153
    {"Netherlands Antilles",                         599, NtscM,     &kUs,      &kUsCatv},      // 154
    {"New Caledonia",                                687, SecamDK,   &kFot,     &kFot},         // 155: SECAM-K1
    {"New Zealand",                                   64, PalBG,     &kNz,      &kNz},          // 156
    {"Nicaragua",                                    505, NtscM,     &kUs,      &kUsCatv},      // 157
    {"Niger",                                        227, SecamDK,   &kFot,     &kFot},         // 158: SECAM-K1
    {"Nigeria",                                      234, PalBG,     &kCcir,    &kCcirS},       // 159
    {"Niue",                                         683, PalBG,     &kNz,      &kNz},          // 160: unverified
    {"Norfolk Island",                               672, PalBG,     &kAu,      &kAu},          // 161
    {"Northern Mariana Islands",                       1, NtscM,     &kUs,      &kUsCatv},      // 162: 670 before 1997
    {"Norway",                                        47, PalBG,     &kCcir,    &kCcirS},       // 163
    {"Oman",                                         968, PalBG,     &kCcir,    &kCcirS},       // 164
    {"Pakistan",                                      92, PalBG,     &kCcir,    &kCcirS},       // 165
    {"Palau",                                        680, NtscM,     &kUs,      &kUsCatv},      // 166
    {"Palestinian Territories",                      970, PalBG,     &kCcir,    &kCcirS},       // 167
    {"Panama",                                       507, NtscM,     &kUs,      &kUsCatv},      // 168
    {"Papua New Guinea",                             675, PalBG,     &kAu,      &kAu},          // 169
    {"Paraguay",                                     595, PalN,      &kUs,      &kUsCatv},      // 170: PAL-N
    {"Peru",                                          51, NtscM,     &kUs,      &kUsCatv},      // 171
    {"Philippines",                                   63, NtscM,     &kUs,      &kUsCatv},      // 172
    {"Pitcairn Islands",                              64, PalBG,     &kNz,      &kNz},          // 173: nominal
    {"Poland",                                        48, PalDK,     &kOirt,    &kOirtS},       // 174: SECAM-D/K until 1995
    {"Portugal",                                     351, PalBG,     &kCcir,    &kCcirS},       // 175
    {"Puerto Rico",                                    1, NtscM,     &kUs,      &kUsCatv},      // 176
    {"Qatar",                                        974, PalBG,     &kCcir,    &kCcirS},       // 177
    {"Reunion",                                      262, SecamDK,   &kFot,     &kFot},         // 178: SECAM-K1
    {"Romania",                                       40, PalDK,     &kOirt,    &kOirtS},       // 179
    {"Russia",                                         7, SecamDK,   &kOirt,    &kOirtS},       // 180: fixed position 180
    {"Rwanda",                                       250, SecamDK,   &kFot,     &kFot},         // 181: unverified; SECAM-K1
    {"Saint Helena",                                 290, PalI,      &kUk,      &kUk},          // 182: unverified
    {"Saint Kitts and Nevis",                          1, NtscM,     &kUs,      &kUsCatv},      // 183
    {"Saint Lucia",                                    1, NtscM,     &kUs,      &kUsCatv},      // 184
    {"Saint Pierre and Miquelon",                    508, SecamDK,   &kFot,     &kFot},         // 185: SECAM-K1
    {"Saint Vincent and the Grenadines",               1, NtscM,     &kUs,      &kUsCatv},      // 186
    {"Samoa",                                        685, PalBG,     &kNz,      &kNz},          // 187: unverified; 'Western Samoa' until 1997
    {"San Marino",                                   378, PalBG,     &kIt,      &kCcirS},       // 188
    {"Sao Tome and Principe",                        239, PalBG,     &kCcir,    &kCcirS},       // 189: unverified
    {"Saudi Arabia",                                 966, SecamBG,   &kCcir,    &kCcirS},       // 190: PAL-B/G later
    {"Senegal",                                      221, SecamDK,   &kFot,     &kFot},         // 191: SECAM-K1
    {"Seychelles",                                   248, PalBG,     &kCcir,    &kCcirS},       // 192
    {"Sierra Leone",                                 232, PalBG,     &kCcir,    &kCcirS},       // 193
    {"Singapore",                                     65, PalBG,     &kCcir,    &kCcirS},       // 194
    {"Slovakia",                                     421, PalDK,     &kOirt,    &kOirtS},       // 195: SECAM-D/K until 1992-94; 42 before 1997
    {"Slovenia",                                     386, PalBG,     &kCcir,    &kCcirS},       // 196
    {"Solomon Islands",                              677, PalBG,     &kAu,      &kAu},          // 197: unverified
    {"Somalia",                                      252, PalBG,     &kCcir,    &kCcirS},       // 198
    {"South Africa",                                  27, PalI,      &kZa,      &kZa},          // 199
    {"South Georgia and the South Sandwich Islands", 500, PalI,      &kUk,      &kUk},          // 200: nominal; uninhabited
    {"Spain",                                         34, PalBG,     &kCcir,    &kCcirS},       // 201
    {"Sri Lanka",                                     94, PalBG,     &kCcir,    &kCcirS},       // 202
    {"Sudan",                                        249, PalBG,     &kCcir,    &kCcirS},       // 203
    {"Suriname",                                     597, NtscM,     &kUs,      &kUsCatv},      // 204
    {"Svalbard and Jan Mayen",                        47, PalBG,     &kCcir,    &kCcirS},       // 205
    {"Swaziland",                                    268, PalBG,     &kCcir,    &kCcirS},       // 206
    {"Sweden",                                        46, PalBG,     &kCcir,    &kCcirS},       // 207
    {"Switzerland",                                   41, PalBG,     &kCcir,    &kCcirS},       // 208
    {"Syria",                                        963, SecamBG,   &kCcir,    &kCcirS},       // 209: unverified; PAL-B/G also reported
    {"Taiwan",                                       886, NtscM,     &kUs,      &kUsCatv},      // 210
    {"Tajikistan",                                   992, SecamDK,   &kOirt,    &kOirtS},       // 211: 7 until 1990s
    {"Tanzania",                                     255, PalBG,     &kCcir,    &kCcirS},       // 212
    {"Thailand",                                      66, PalBG,     &kCcir,    &kCcirS},       // 213
    {"Togo",                                         228, SecamDK,   &kFot,     &kFot},         // 214: SECAM-K1
    {"Tokelau",                                      690, PalBG,     &kNz,      &kNz},          // 215: nominal
    {"Tonga",                                        676, PalBG,     &kNz,      &kNz},          // 216: unverified; NTSC-M also reported
    {"Trinidad and Tobago",                            1, NtscM,     &kUs,      &kUsCatv},      // 217
    {"Tunisia",                                      216, SecamBG,   &kCcir,    &kCcirS},       // 218: unverified; PAL-B/G later
    {"Turkey",                                        90, PalBG,     &kCcir,    &kCcirS},       // 219
    {"Turkmenistan",                                 993, SecamDK,   &kOirt,    &kOirtS},       // 220: 7 until 1990s
    {"Turks and Caicos Islands",                       1, NtscM,     &kUs,      &kUsCatv},      // 221
    {"Tuvalu",                                       688, PalBG,     &kAu,      &kAu},          // 222: nominal
    {"Uganda",                                       256, PalBG,     &kCcir,    &kCcirS},       // 223
    {"Ukraine",                                      380, SecamDK,   &kOirt,    &kOirtS},       // 224
    {"United Arab Emirates",                         971, PalBG,     &kCcir,    &kCcirS},       // 225
    {"United Kingdom",                                44, PalI,      &kUk,      &kUk},          // 226
    {"United States Minor Outlying Islands",           1, NtscM,     &kUs,      &kUsCatv},      // 227: nominal
    {"United States of America",                       1, NtscM,     &kUs,      &kUsCatv},      // 228: fixed position 228
    {"Uruguay",                                      598, PalN,      &kUs,      &kUsCatv},      // 229: PAL-N
    {"Uzbekistan",                                   998, SecamDK,   &kOirt,    &kOirtS},       // 230: 7 until 1990s
    {"Vanuatu",                                      678, PalBG,     &kAu,      &kAu},          // 231: unverified; SECAM-K1 also reported
    {"Vatican City",                                  39, PalBG,     &kIt,      &kCcirS},       // 232: ISO 'Holy See'
    {"Venezuela",                                     58, NtscM,     &kUs,      &kUsCatv},      // 233
    {"Vietnam",                                       84, PalDK,     &kOirt,    &kOirtS},       // 234: unverified
    {"Virgin Islands (British)",                       1, NtscM,     &kUs,      &kUsCatv},      // 235
    {"Virgin Islands (U.S.)",                          1, NtscM,     &kUs,      &kUsCatv},      // 236
    {"Wallis and Futuna",                            681, SecamDK,   &kFot,     &kFot},         // 237: SECAM-K1
    {"Western Sahara",                               212, SecamBG,   &kCcir,    &kCcirS},       // 238: nominal; Moroccan TV
    {"Yemen",                                        967, PalBG,     &kCcir,    &kCcirS},       // 239
    {"Yugoslavia",                                   381, PalBG,     &kCcir,    &kCcirS},       // 240: Serbia and Montenegro
    {"Zaire",                                        243, SecamDK,   &kFot,     &kFot},         // 241: Congo (DRC) since 1997; SECAM-K1
    {"Zambia",                                       260, PalBG,     &kCcir,    &kCcirS},       // 242
    {"Zimbabwe",                                     263, PalBG,     &kCcir,    &kCcirS},       // 243
};

static_assert(std::size(kCountries) == kCountryCount);

consteval int PositionOf(std::string_view name) {
    for (int i = 0; i < kCountryCount; ++i) {
        if (name == kCountries[i].name) {
            return i;
        }
    }
    throw "no such country";
}

static_assert(PositionOf("United States of America") == kUsaPosition &&
              kCountries[kUsaPosition].code == 1);
static_assert(PositionOf("Russia") == kRussiaPosition &&
              kCountries[kRussiaPosition].code == 7);

// Entry chosen for telephone codes that several entries share.
struct SharedCode {
    int code;
    int position;
};
constexpr SharedCode kSharedCodes[] = {
    {1, kUsaPosition},
    {7, kRussiaPosition},
    {39, PositionOf("Italy")},
    {44, PositionOf("United Kingdom")},
    {47, PositionOf("Norway")},
    {53, PositionOf("Cuba")},
    {61, PositionOf("Australia")},
    {64, PositionOf("New Zealand")},
    {212, PositionOf("Morocco")},
    {262, PositionOf("Reunion")},
    {500, PositionOf("Falkland Islands")},
    {672, PositionOf("Norfolk Island")},
};

consteval bool SharedCodesMatchTheirEntries() {
    for (const SharedCode& s : kSharedCodes) {
        if (kCountries[s.position].code != s.code) {
            return false;
        }
    }
    return true;
}
static_assert(SharedCodesMatchTheirEntries());

}  // namespace

const Country* CountryAt(int position) {
    if (position < 0 || position >= kCountryCount) {
        return nullptr;
    }
    return &kCountries[position];
}

int FindCountry(int code) {
    for (const SharedCode& s : kSharedCodes) {
        if (s.code == code) {
            return s.position;
        }
    }
    for (int i = 0; i < kCountryCount; ++i) {
        if (kCountries[i].code == code) {
            return i;
        }
    }
    return -1;
}

}  // namespace kvtv

int KvCountryCount() { return kvtv::kCountryCount; }

const char* KvCountryName(int position) {
    const kvtv::Country* c = kvtv::CountryAt(position);
    return c ? c->name : nullptr;
}

int KvLookupFreq(int* code, const int* position, int band, int channel,
                 int* standard, int* maxCh, int* minCh) {
    const kvtv::Country* c = position ? kvtv::CountryAt(*position) : nullptr;
    const kvtv::Raster* raster = nullptr;
    if (c && (band == kvtv::Air || band == kvtv::Cable)) {
        raster = &c->ForBand(band);
    }
    if (code) *code = c ? c->code : -1;
    if (standard) *standard = c ? c->standard : 0;
    if (maxCh) *maxCh = raster ? raster->maxChannel : 0;
    if (minCh) *minCh = raster ? raster->minChannel : 0;
    return raster ? raster->Frequency(channel) : 0;
}
