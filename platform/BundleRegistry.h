// Bundles the process has loaded, found by identifier
// (CFBundleGetBundleWithIdentifier). The host registers each extension bundle
// before creating its principal class.
#pragma once

#include <memory>
#include <string_view>

#include "platform/Bundle.h"

namespace platform {

class BundleRegistry {
public:
    // Registers the bundle under its identifier (replacing an earlier one);
    // a bundle without identifier is not registered.
    static void Register(std::shared_ptr<const Bundle> bundle);
    static std::shared_ptr<const Bundle> Find(std::string_view identifier);
    static void Unregister(std::string_view identifier);
};

} // namespace platform
