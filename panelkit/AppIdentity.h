// Which extension this copy of the framework is compiled into. Each bundle
// links its own copy of the framework (hidden visibility), so this record is
// per bundle; the bundle's principal class sets it when it is created.
#pragma once

#include <string>

inline constexpr const char* kFeaturesClientID = "com.quorvel.kt.mq22.PrintFeaturesKind";
inline constexpr const char* kAccountClientID = "com.quorvel.kt.mq22.AccountKind";

struct AppIdentity {
    std::string bundleIdentifier; // the extension bundle's CFBundleIdentifier
    std::string clientID;         // kFeaturesClientID or kAccountClientID
};

void SetAppIdentity(AppIdentity identity);
const AppIdentity& CurrentAppIdentity();
