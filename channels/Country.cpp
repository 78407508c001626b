#include "channels/Country.h"

#include <cctype>
#include <cstdint>

#include "platform/WinConst.h"

namespace channels {

namespace {

namespace cd = country_dialog;

// The number at the start of a text, as the profile functions read it.
int LeadingInt(const std::string& text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    std::int64_t v = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        v = v * 10 + (text[i] - '0');
        if (v > INT32_MAX) v = INT32_MAX;
    }
    return static_cast<int>(negative ? -v : v);
}

std::string Num(int v) { return std::to_string(v); }

}  // namespace

int FindPosition(FreqLibrary& library, int count, int code) {
    if (code == 1) return kPositionForCode1;
    if (code == 7) return kPositionForCode7;
    for (int position = 0; position < count; ++position) {
        if (library.Lookup(-1, position, kBandCable, 0).code == code) return position;
    }
    return (count < 0 ? 0 : count) + 1;
}

CountrySearch SearchCountry(FreqLibrary& library, int count, int code) {
    CountrySearch s;
    for (int position = 0; position < count; ++position) {
        s.position = position;
        s.last = library.Lookup(-1, position, kBandCable, 0);
        if (s.last.code == code) {
            s.matched = true;
            break;
        }
    }
    return s;
}

StandardLimits LimitsForStandard(int standard) {
    const bool ntscRaster = (standard >= 0 && standard <= 3) || standard == 9 || standard == 10;
    const bool ntsc = standard >= 0 && standard <= 3;
    StandardLimits l = ntscRaster ? StandardLimits{"55250000", "801250000", "5000000", ""}
                                  : StandardLimits{"45000000", "863250000", "3000000", ""};
    l.analog = ntsc ? "NTSC" : "PAL";
    return l;
}

int ApplyCountry(const CountryEnv& env, const std::string& codeText, int selectedPosition,
                 const std::function<std::string(int)>& nameAt) {
    platform::ProfileStore& ini = env.settings;
    ini.WriteText("ZUNTO", "CountryCode", codeText);
    const int code = LeadingInt(codeText);
    ini.WriteText("ZUNTO", "DEFAULTCOUNTRY", Num(static_cast<std::int32_t>(env.winIni.ReadInt("intl", "iCountry", 1))));

    const CountrySearch found = SearchCountry(env.library, env.count, code);
    const bool validSelection = selectedPosition >= 0 && selectedPosition < env.count;
    const int stored = validSelection ? selectedPosition : (found.position >= 0 ? found.position : 0);
    ini.WriteText("ZUNTO", "CodePos", Num(stored));
    ini.WriteText("ZUNTO", "DEFAULTNAME", nameAt ? nameAt(stored) : std::string());

    const int standard = found.last.standard;
    const StandardLimits limits = LimitsForStandard(standard);
    ini.WriteText("ZUNTO", "MaxFreq", limits.maxFreq);
    ini.WriteText("ZUNTO", "MinFreq", limits.minFreq);
    ini.WriteText("ZUNTO", "Range", limits.range);
    ini.WriteText("vemla", "AnalogStandard", limits.analog);
    ini.WriteText("VideoStandard", "VideoStandard", Num(standard));
    ini.WriteText("AudioFormat", "AudioFormat", "2");

    // The ranges of the entry the search reached; an empty table has none.
    FreqInfo air, cable;
    if (found.position >= 0) {
        air = env.library.Lookup(found.last.code, found.position, kBandAir, 0);
        cable = env.library.Lookup(found.last.code, found.position, kBandCable, 0);
    }
    ini.WriteText("ZUNTO", "Maxair", Num(air.maxChannel));
    ini.WriteText("ZUNTO", "Minair", Num(air.minChannel));
    ini.WriteText("ZUNTO", "Max", Num(cable.maxChannel));
    ini.WriteText("ZUNTO", "Min", Num(cable.minChannel));
    return stored;
}

DialogOrigin CountryDialogOrigin(int screenWidth, int screenHeight) {
    return {screenWidth / 2 - 260, screenHeight / 2 - 65};
}

int CountryDialog::SystemCountryCode() {
    return static_cast<std::int32_t>(env_.winIni.ReadInt("intl", "iCountry", 1));
}

void CountryDialog::SelectPosition(int position) {
    const bool inList = position >= 0 && position < kCountryNameCount;
    view_.ListSelect(cd::kList, inList ? position : -1);
}

void CountryDialog::OnInit() {
    const std::string section = Num(skin_) + "PANEL_BTN";
    struct Text {
        int id;
        const char* key;
        const char* def;
        std::size_t capacity;
    };
    static constexpr Text kTexts[] = {
        {cd::kGroup, "IDCCOUNCODE", "Country Code", 50},
        {cd::kAutoDetect, "IDCRADIO1", "Auto Detect OS Country Code", 100},
        {cd::kSelectCountry, "IDCRADIO2", "Select Country Code:", 100},
        {cd::kCodeLabel, "IDCCODE", "Code:", 50},
        {cd::kOk, "IDOKCOUNTRY", "OK", 50},
    };
    for (const Text& t : kTexts) view_.SetText(t.id, panelIni_.ReadText(section, t.key, t.def, t.capacity));

    const int code = SystemCountryCode();
    view_.SetText(cd::kCodeField, Num(code));
    view_.Check(cd::kAutoDetect, true);
    view_.Check(cd::kSelectCountry, false);
    view_.Enable(cd::kList, false);

    view_.ListReset(cd::kList);
    for (int k = 1; k <= kCountryNameCount; ++k) {
        view_.ListAdd(cd::kList, panelIni_.ReadText(section, Num(k), "", kCountryNameCapacity));
    }
    const int position = FindPosition(env_.library, env_.count, code);
    SelectPosition(position);
    env_.settings.WriteText("ZUNTO", "DefCodePos", Num(position));
}

bool CountryDialog::OnCommand(int id, int notifyCode) {
    switch (id) {
        case cd::kList:
            if (notifyCode == platform::win::kCbnSelChange) OnListSelection();
            return true;
        case cd::kAutoDetect:
            OnAutoDetect();
            return true;
        case cd::kSelectCountry:
            OnSelectCountry();
            return true;
        case cd::kOk:
            OnOk();
            return true;
        default:
            return false;  // Escape (IDCANCEL) and the rest do nothing
    }
}

void CountryDialog::OnListSelection() {
    const int selected = view_.ListSelection(cd::kList);
    if (selected < 0 || selected >= env_.count) return;  // no entry of the library's table
    view_.SetText(cd::kCodeField, Num(env_.library.Lookup(-1, selected, kBandCable, 0).code));
}

void CountryDialog::OnAutoDetect() {
    const int code = SystemCountryCode();
    view_.SetText(cd::kCodeField, Num(code));
    SelectPosition(FindPosition(env_.library, env_.count, code));
    view_.Check(cd::kAutoDetect, true);
    view_.Check(cd::kSelectCountry, false);
    view_.Enable(cd::kList, false);
}

void CountryDialog::OnSelectCountry() {
    view_.Check(cd::kSelectCountry, true);
    view_.Check(cd::kAutoDetect, false);
    view_.Enable(cd::kList, true);
}

void CountryDialog::OnOk() {
    ApplyCountry(env_, view_.GetText(cd::kCodeField), view_.ListSelection(cd::kList),
                 [this](int position) { return view_.ListItemText(cd::kList, position); });
    view_.Close(cd::kOk);
}

}  // namespace channels
