// The tooltip control of the common controls ("tooltips_class32").
#pragma once

#include "platform/Tooltips.h"

namespace platform::win32 {

class Win32Tooltips final : public TooltipControl {
public:
    WindowId Create(WindowId owner, const TooltipSpec& plan) override;
    void Destroy(WindowId tooltip) override;
};

}  // namespace platform::win32
