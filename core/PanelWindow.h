// The panel window's messages that the core answers, as the window
// procedure hands them over: WM_CREATE, WM_DESTROY, WM_COMMAND, WM_TIMER,
// WM_HOTKEY and WM_DEVICECHANGE.  No value means "not handled here": the
// window procedure gives the message to its other handlers (mouse, keys,
// painting, tray) or to the default window procedure.
#pragma once

#include <cstdint>
#include <optional>

#include "core/PanelContext.h"

namespace core {

std::optional<std::intptr_t> HandlePanelMessage(PanelContext& ctx, platform::WindowId self, std::uint32_t msg,
                                                std::uintptr_t wParam, std::intptr_t lParam);

}  // namespace core
