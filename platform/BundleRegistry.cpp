#include "platform/BundleRegistry.h"

namespace platform {

void BundleRegistry::Register(std::shared_ptr<const Bundle> bundle)
{
    if (!bundle) return;
    std::string identifier = bundle->Identifier();
    if (identifier.empty()) return;
    bundles_.insert_or_assign(std::move(identifier), std::move(bundle));
}

std::shared_ptr<const Bundle> BundleRegistry::Find(std::string_view identifier) const
{
    const auto it = bundles_.find(identifier);
    return it == bundles_.end() ? nullptr : it->second;
}

void BundleRegistry::Unregister(std::string_view identifier)
{
    const auto it = bundles_.find(identifier);
    if (it != bundles_.end()) bundles_.erase(it);
}

} // namespace platform
