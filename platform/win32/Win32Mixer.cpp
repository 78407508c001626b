#include "platform/win32/Win32Mixer.h"

#include <cstring>

namespace platform::win32 {
namespace {

constexpr DWORD kHandleFlag = MIXER_OBJECTF_HMIXER;

template <std::size_t N>
std::string BoundedText(const char (&field)[N]) {
    return std::string(field, ::strnlen(field, N));
}

}  // namespace

std::uint32_t Win32Mixer::DeviceCount() { return ::mixerGetNumDevs(); }

bool Win32Mixer::Open() { return OpenDevice(0, 0); }

bool Win32Mixer::OpenDevice(std::uint32_t index, WindowId notify) {
    mixer_.reset();
    HMIXER h = nullptr;
    const DWORD flags = MIXER_OBJECTF_MIXER | (notify != 0 ? CALLBACK_WINDOW : 0);
    if (::mixerOpen(&h, index, static_cast<DWORD_PTR>(notify), 0, flags) != MMSYSERR_NOERROR || h == nullptr) {
        return false;
    }
    mixer_.reset(h);
    device_ = index;
    return true;
}

std::optional<std::string> Win32Mixer::ProductName() {
    if (!mixer_) return std::nullopt;
    MIXERCAPSA caps{};
    if (::mixerGetDevCapsA(device_, &caps, sizeof caps) != MMSYSERR_NOERROR) return std::nullopt;
    return BoundedText(caps.szPname);
}

std::optional<MIXERLINEA> Win32Mixer::SpeakerLine() {
    if (!mixer_) return std::nullopt;
    MIXERLINEA line{};
    line.cbStruct = sizeof line;
    line.dwComponentType = MIXERLINE_COMPONENTTYPE_DST_SPEAKERS;
    if (::mixerGetLineInfoA(Object(), &line, kHandleFlag | MIXER_GETLINEINFOF_COMPONENTTYPE) != MMSYSERR_NOERROR) {
        return std::nullopt;
    }
    return line;
}

std::optional<MIXERCONTROLA> Win32Mixer::ControlOfType(DWORD lineId, DWORD type) {
    MIXERCONTROLA control{};
    control.cbStruct = sizeof control;
    MIXERLINECONTROLSA query{};
    query.cbStruct = sizeof query;
    query.dwLineID = lineId;
    query.dwControlType = type;
    query.cControls = 1;
    query.cbmxctrl = sizeof control;
    query.pamxctrl = &control;
    if (::mixerGetLineControlsA(Object(), &query, kHandleFlag | MIXER_GETLINECONTROLSF_ONEBYTYPE) !=
        MMSYSERR_NOERROR) {
        return std::nullopt;
    }
    return control;
}

std::optional<Win32Mixer::LineControl> Win32Mixer::ControlById(std::uint32_t controlId) {
    if (!mixer_) return std::nullopt;
    MIXERCONTROLA control{};
    control.cbStruct = sizeof control;
    MIXERLINECONTROLSA query{};
    query.cbStruct = sizeof query;
    query.dwControlID = controlId;
    query.cControls = 1;
    query.cbmxctrl = sizeof control;
    query.pamxctrl = &control;
    if (::mixerGetLineControlsA(Object(), &query, kHandleFlag | MIXER_GETLINECONTROLSF_ONEBYID) !=
        MMSYSERR_NOERROR) {
        return std::nullopt;
    }
    // The query also names the control's line.
    return LineControl{control, query.dwLineID};
}

std::optional<MixerSpeakers> Win32Mixer::Speakers() {
    const auto line = SpeakerLine();
    if (!line) return std::nullopt;
    MixerSpeakers speakers;
    speakers.channels = line->cChannels;
    const auto id = [&](DWORD type) -> std::optional<std::uint32_t> {
        const auto control = ControlOfType(line->dwLineID, type);
        if (!control) return std::nullopt;
        return control->dwControlID;
    };
    speakers.volumeControl = id(MIXERCONTROL_CONTROLTYPE_VOLUME);
    speakers.bassControl = id(MIXERCONTROL_CONTROLTYPE_BASS);
    speakers.trebleControl = id(MIXERCONTROL_CONTROLTYPE_TREBLE);
    return speakers;
}

std::vector<MixerLine> Win32Mixer::SourceLinesWithMute() {
    std::vector<MixerLine> lines;
    const auto speakers = SpeakerLine();
    if (!speakers) return lines;
    for (DWORD j = 0; j < speakers->cConnections; ++j) {
        MIXERLINEA source{};
        source.cbStruct = sizeof source;
        source.dwDestination = speakers->dwDestination;
        source.dwSource = j;
        if (::mixerGetLineInfoA(Object(), &source, kHandleFlag | MIXER_GETLINEINFOF_SOURCE) != MMSYSERR_NOERROR) {
            continue;
        }
        const auto mute = ControlOfType(source.dwLineID, MIXERCONTROL_CONTROLTYPE_MUTE);
        if (mute) lines.push_back({BoundedText(source.szShortName), mute->dwControlID});
    }
    return lines;
}

bool Win32Mixer::SetDetails(const MIXERCONTROLA& control, const std::vector<DWORD>& values) {
    std::vector<MIXERCONTROLDETAILS_UNSIGNED> details(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) details[i].dwValue = values[i];
    MIXERCONTROLDETAILS d{};
    d.cbStruct = sizeof d;
    d.dwControlID = control.dwControlID;
    d.cChannels = static_cast<DWORD>(values.size());
    d.cMultipleItems = 0;
    d.cbDetails = sizeof(MIXERCONTROLDETAILS_UNSIGNED);  // the size of a boolean too
    d.paDetails = details.data();
    return ::mixerSetControlDetails(Object(), &d, kHandleFlag | MIXER_SETCONTROLDETAILSF_VALUE) == MMSYSERR_NOERROR;
}

bool Win32Mixer::SetControl(std::uint32_t controlId, std::uint32_t value) {
    const auto found = ControlById(controlId);
    if (!found || (found->control.fdwControl & MIXERCONTROL_CONTROLF_MULTIPLE) != 0) return false;
    return SetDetails(found->control, {value});
}

std::optional<std::uint32_t> Win32Mixer::GetControl(std::uint32_t controlId) {
    const auto found = ControlById(controlId);
    if (!found || (found->control.fdwControl & MIXERCONTROL_CONTROLF_MULTIPLE) != 0) return std::nullopt;
    MIXERCONTROLDETAILS_UNSIGNED value{};
    MIXERCONTROLDETAILS d{};
    d.cbStruct = sizeof d;
    d.dwControlID = found->control.dwControlID;
    d.cChannels = 1;
    d.cbDetails = sizeof value;
    d.paDetails = &value;
    if (::mixerGetControlDetailsA(Object(), &d, kHandleFlag | MIXER_GETCONTROLDETAILSF_VALUE) != MMSYSERR_NOERROR) {
        return std::nullopt;
    }
    return value.dwValue;
}

bool Win32Mixer::SetControlChannels(std::uint32_t controlId, const std::vector<std::uint32_t>& levels) {
    if (levels.empty()) return false;
    const auto found = ControlById(controlId);
    if (!found || (found->control.fdwControl & MIXERCONTROL_CONTROLF_MULTIPLE) != 0) return false;
    DWORD channels = 1;
    if ((found->control.fdwControl & MIXERCONTROL_CONTROLF_UNIFORM) == 0) {
        MIXERLINEA line{};
        line.cbStruct = sizeof line;
        line.dwLineID = found->lineId;
        if (::mixerGetLineInfoA(Object(), &line, kHandleFlag | MIXER_GETLINEINFOF_LINEID) != MMSYSERR_NOERROR) {
            return false;
        }
        if (line.cChannels > 1) channels = line.cChannels;
    }
    std::vector<DWORD> values(channels);
    for (DWORD i = 0; i < channels; ++i) values[i] = i < levels.size() ? levels[i] : levels.back();
    return SetDetails(found->control, values);
}

bool Win32Mixer::SetVolume(std::uint32_t value0to65535) {
    const auto speakers = Speakers();
    if (!speakers || !speakers->volumeControl) return false;
    return SetControl(*speakers->volumeControl, value0to65535);
}

}  // namespace platform::win32
