#include "core/PanelWindow.h"

#include "core/Dispatcher.h"
#include "core/Lifecycle.h"

namespace core {

std::optional<std::intptr_t> HandlePanelMessage(PanelContext& ctx, platform::WindowId self, std::uint32_t msg,
                                                std::uintptr_t wParam, std::intptr_t lParam) {
    namespace win = platform::win;
    switch (msg) {
        case win::kWmCreate:
            OnCreate(ctx, self);
            return 0;
        case win::kWmDestroy:
            OnDestroy(ctx);
            return 0;
        case win::kWmCommand:
            if (!Dispatch(ctx, win::CommandId(wParam), lParam)) return std::nullopt;
            return 0;
        case win::kWmTimer:
            OnTimer(ctx, static_cast<std::uint32_t>(wParam));
            return 0;
        case win::kWmHotkey:
            OnHotkey(ctx, static_cast<int>(wParam));
            return 0;
        case win::kWmDeviceChange:
            OnDeviceChange(ctx);
            return 1;  // TRUE: no device request is refused
        default:
            return std::nullopt;
    }
}

}  // namespace core
