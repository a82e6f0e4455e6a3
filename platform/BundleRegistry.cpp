#include "platform/BundleRegistry.h"

#include <map>
#include <string>

namespace platform {

namespace {

std::map<std::string, std::shared_ptr<const Bundle>, std::less<>>& Bundles()
{
    static std::map<std::string, std::shared_ptr<const Bundle>, std::less<>> bundles;
    return bundles;
}

} // namespace

void BundleRegistry::Register(std::shared_ptr<const Bundle> bundle)
{
    if (!bundle) return;
    const std::string identifier = bundle->Identifier();
    if (identifier.empty()) return;
    Bundles().insert_or_assign(identifier, std::move(bundle));
}

std::shared_ptr<const Bundle> BundleRegistry::Find(std::string_view identifier)
{
    const auto it = Bundles().find(identifier);
    return it == Bundles().end() ? nullptr : it->second;
}

void BundleRegistry::Unregister(std::string_view identifier)
{
    const auto it = Bundles().find(identifier);
    if (it != Bundles().end()) Bundles().erase(it);
}

} // namespace platform
