// Country selection over the frequency tables: the position search, the
// settings derived from a country, and the country dialog.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

#include "channels/Country.h"
#include "channels/TableFreqLibrary.h"
#include "platform/fake/FakeDialogView.h"
#include "platform/fake/FakeProfile.h"
#include "platform/WinConst.h"

namespace {

using channels::CountryDialog;
using channels::CountryEnv;
namespace cd = channels::country_dialog;

// The tables, with every position asked for recorded.
class SpyLibrary final : public channels::FreqLibrary {
public:
    int CountryCount() override { return table_.CountryCount(); }
    channels::FreqInfo Lookup(int code, int position, int band, int channel) override {
        positions.push_back(position);
        return table_.Lookup(code, position, band, channel);
    }
    std::vector<int> positions;
    int Highest() const { return positions.empty() ? -1 : *std::max_element(positions.begin(), positions.end()); }

private:
    channels::TableFreqLibrary table_;
};

// Positions of the tables (fixed order of the names list).
constexpr int kBrazil = 30;    // code 55, standard 9 (PAL-M), US plans
constexpr int kGermany = 80;   // code 49, standard 4 (PAL-B/G), CCIR plans
constexpr int kJapan = 109;    // code 81, standard 1
constexpr int kLastPosition = 243;

class Country : public testing::Test {
protected:
    platform::fake::MemoryProfile settings, winIni, panelIni;
    SpyLibrary library;
    CountryEnv Env() { return {settings, winIni, library, library.CountryCount()}; }
    std::string Get(const char* section, const char* key) { return settings.ReadText(section, key, "<none>", 260); }
};

TEST_F(Country, FindPositionFixedSearchedAndMissingCodes) {
    struct Case {
        int code;
        int position;
        int highestAsked;  // -1: the library is not asked
    } cases[] = {
        {1, 228, -1},
        {7, 180, -1},
        {49, kGermany, kGermany},
        {81, kJapan, kJapan},
        {999, 245, kLastPosition},  // count + 1; position 244 is never asked
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        library.positions.clear();
        EXPECT_EQ(channels::FindPosition(library, 244, c.code), c.position);
        EXPECT_EQ(library.Highest(), c.highestAsked);
        EXPECT_TRUE(std::all_of(library.positions.begin(), library.positions.end(),
                                [](int p) { return p >= 0 && p < 244; }));
    }
}

TEST_F(Country, ApplyCountryWritesTheDerivedSettings) {
    struct Case {
        int position;
        const char* code;
        std::map<std::pair<std::string, std::string>, std::string> expected;
    } cases[] = {
        {kGermany, "49",
         {{{"ZUNTO", "CountryCode"}, "49"},   {{"ZUNTO", "DEFAULTCOUNTRY"}, "44"}, {{"ZUNTO", "CodePos"}, "80"},
          {{"ZUNTO", "DEFAULTNAME"}, "name 80"}, {{"ZUNTO", "MinFreq"}, "45000000"}, {{"ZUNTO", "MaxFreq"}, "863250000"},
          {{"ZUNTO", "Range"}, "3000000"},    {{"vemla", "AnalogStandard"}, "PAL"}, {{"VideoStandard", "VideoStandard"}, "4"},
          {{"AudioFormat", "AudioFormat"}, "2"}, {{"ZUNTO", "Minair"}, "2"},       {{"ZUNTO", "Maxair"}, "69"},
          {{"ZUNTO", "Min"}, "1"},            {{"ZUNTO", "Max"}, "41"}}},
        {kBrazil, "55",  // PAL, but the NTSC channel raster and its scan limits
         {{{"ZUNTO", "CodePos"}, "30"},       {{"ZUNTO", "MinFreq"}, "55250000"},  {{"ZUNTO", "MaxFreq"}, "801250000"},
          {{"ZUNTO", "Range"}, "5000000"},    {{"vemla", "AnalogStandard"}, "PAL"}, {{"VideoStandard", "VideoStandard"}, "9"},
          {{"AudioFormat", "AudioFormat"}, "2"}, {{"ZUNTO", "Minair"}, "2"},       {{"ZUNTO", "Maxair"}, "69"},
          {{"ZUNTO", "Min"}, "1"},            {{"ZUNTO", "Max"}, "125"}}},
        {kJapan, "81",
         {{{"vemla", "AnalogStandard"}, "NTSC"}, {{"VideoStandard", "VideoStandard"}, "1"},
          {{"ZUNTO", "MinFreq"}, "55250000"}, {{"ZUNTO", "Maxair"}, "62"}, {{"ZUNTO", "Max"}, "63"}}},
    };
    winIni.WriteText("intl", "iCountry", "44");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        settings.SetText("");
        const int stored = channels::ApplyCountry(Env(), c.code, c.position,
                                                  [](int p) { return "name " + std::to_string(p); });
        EXPECT_EQ(stored, c.position);
        for (const auto& [where, value] : c.expected) {
            EXPECT_EQ(Get(where.first.c_str(), where.second.c_str()), value) << where.first << "/" << where.second;
        }
    }
}

// Codes 1 and 7 are found at their fixed positions when the dialog opens;
// a code without an entry selects nothing and stores its data source on OK.
TEST_F(Country, DialogOpensAtTheSystemCountry) {
    struct Case {
        const char* iCountry;
        int selection;
        const char* defCodePos;
        bool libraryAsked;
    } cases[] = {
        {"1", 228, "228", false},
        {"7", 180, "180", false},
        {"49", kGermany, "80", true},
        {"999", -1, "245", true},
        {nullptr, 228, "228", false},  // no iCountry: 1
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.iCountry ? c.iCountry : "none");
        winIni.SetText(c.iCountry ? std::string("[intl]\r\niCountry=") + c.iCountry + "\r\n" : "");
        settings.SetText("");
        library.positions.clear();
        platform::fake::FakeDialogView view;
        CountryDialog dialog(view, Env(), panelIni, 1);
        dialog.OnInit();
        EXPECT_EQ(view.At(cd::kCodeField).text, c.iCountry ? c.iCountry : "1");
        EXPECT_EQ(view.At(cd::kList).items.size(), 244u);
        EXPECT_EQ(view.At(cd::kList).selection, c.selection);
        EXPECT_TRUE(view.At(cd::kAutoDetect).checked);
        EXPECT_FALSE(view.At(cd::kList).enabled);
        EXPECT_EQ(Get("ZUNTO", "DefCodePos"), c.defCodePos);
        EXPECT_EQ(!library.positions.empty(), c.libraryAsked);
        EXPECT_LT(library.Highest(), 244);
    }
}

TEST_F(Country, OkWithoutSelectionKeepsThePositionWhoseDataWereWritten) {
    winIni.WriteText("intl", "iCountry", "999");
    platform::fake::FakeDialogView view;
    CountryDialog dialog(view, Env(), panelIni, 1);
    dialog.OnInit();
    dialog.OnCommand(cd::kOk, 0);
    EXPECT_EQ(view.Closed(), 1);
    EXPECT_EQ(Get("ZUNTO", "CountryCode"), "999");
    // The last table entry supplied the standard and ranges, so it is the one stored.
    EXPECT_EQ(Get("ZUNTO", "CodePos"), std::to_string(kLastPosition));
    EXPECT_NE(Get("ZUNTO", "Maxair"), "0");
    EXPECT_LT(library.Highest(), 244);
}

TEST_F(Country, UserPicksACountryFromTheList) {
    winIni.WriteText("intl", "iCountry", "1");
    panelIni.WriteText("1PANEL_BTN", "81", "Germany");
    panelIni.WriteText("1PANEL_BTN", "IDCRADIO1", "Automatisch");
    platform::fake::FakeDialogView view;
    CountryDialog dialog(view, Env(), panelIni, 1);
    dialog.OnInit();
    EXPECT_EQ(view.At(cd::kAutoDetect).text, "Automatisch");
    EXPECT_EQ(view.At(cd::kSelectCountry).text, "Select Country Code:");
    EXPECT_EQ(view.At(cd::kList).items[kGermany], "Germany");

    dialog.OnCommand(cd::kSelectCountry, 0);
    EXPECT_TRUE(view.At(cd::kList).enabled);
    view.ListSelect(cd::kList, kGermany);
    dialog.OnCommand(cd::kList, platform::win::kCbnSelChange);
    EXPECT_EQ(view.At(cd::kCodeField).text, "49");

    dialog.OnCommand(2, 0);  // Escape: nothing
    EXPECT_FALSE(view.Closed());
    dialog.OnCommand(cd::kOk, 0);
    EXPECT_EQ(Get("ZUNTO", "CountryCode"), "49");
    EXPECT_EQ(Get("ZUNTO", "CodePos"), "80");
    EXPECT_EQ(Get("ZUNTO", "DEFAULTNAME"), "Germany");
    EXPECT_EQ(Get("ZUNTO", "DEFAULTCOUNTRY"), "1");
    EXPECT_EQ(Get("VideoStandard", "VideoStandard"), "4");

    // Auto Detect goes back to the system's country and locks the list.
    dialog.OnCommand(cd::kAutoDetect, 0);
    EXPECT_EQ(view.At(cd::kCodeField).text, "1");
    EXPECT_EQ(view.At(cd::kList).selection, 228);
    EXPECT_FALSE(view.At(cd::kList).enabled);
}

TEST(CountryDialogPlace, CentredOnTheScreen) {
    const channels::DialogOrigin o = channels::CountryDialogOrigin(1024, 768);
    EXPECT_EQ(o.x, 252);
    EXPECT_EQ(o.y, 319);
}

}  // namespace
