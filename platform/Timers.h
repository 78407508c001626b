// Window timers (shape): identifier-keyed timers on a window; setting an
// existing identifier restarts it with the new period.
#pragma once

#include <cstdint>
#include "platform/Windows.h"

namespace platform {

class Timers {
public:
    virtual ~Timers() = default;
    virtual void Start(WindowId w, std::uint32_t id, std::uint32_t periodMs) = 0;  // SetTimer
    virtual void Stop(WindowId w, std::uint32_t id) = 0;                           // KillTimer
};

}  // namespace platform
