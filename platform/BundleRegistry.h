// The bundles a host has loaded, found by identifier
// (CFBundleGetBundleWithIdentifier). The host registers each extension bundle
// before creating its principal class and answers the extensions' lookups
// from here (HostServices::BundleWithIdentifier).
#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "platform/Bundle.h"

namespace platform {

class BundleRegistry {
public:
    // Registers the bundle under its identifier (replacing an earlier one);
    // a bundle without identifier is not registered.
    void Register(std::shared_ptr<const Bundle> bundle);
    std::shared_ptr<const Bundle> Find(std::string_view identifier) const;
    void Unregister(std::string_view identifier);

private:
    std::map<std::string, std::shared_ptr<const Bundle>, std::less<>> bundles_;
};

} // namespace platform
