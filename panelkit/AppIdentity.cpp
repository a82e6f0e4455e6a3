#include "panelkit/AppIdentity.h"

namespace {

AppIdentity& Identity()
{
    static AppIdentity identity;
    return identity;
}

} // namespace

void SetAppIdentity(AppIdentity identity) { Identity() = std::move(identity); }

const AppIdentity& CurrentAppIdentity() { return Identity(); }
