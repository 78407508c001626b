// Registry key operations beyond Registry.h.
#pragma once

#include <string>

#include "platform/Registry.h"

namespace platform {

class RegistryKeys {
public:
    virtual ~RegistryKeys() = default;
    // RegDeleteKeyA: removes one key.  A key that still has subkeys goes
    // whole on the 9x family and stays (failure) on the NT family.
    virtual bool DeleteSingleKey(RegRoot root, const std::string& path) = 0;
};

}  // namespace platform
