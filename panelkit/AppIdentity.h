// Which extension a piece of the framework works for. Both extensions are
// loaded into one host process, so this is no process-wide record: the
// extension's principal class owns it (PDEPlugin) and hands it to what needs
// it (GetAppBundleRef, GetAppClientID, RegisterMyHelpBook).
#pragma once

#include <string>

inline constexpr const char* kFeaturesClientID = "com.quorvel.kt.mq22.PrintFeaturesKind";
inline constexpr const char* kAccountClientID = "com.quorvel.kt.mq22.AccountKind";

struct AppIdentity {
    std::string bundleIdentifier; // the extension bundle's CFBundleIdentifier
    std::string clientID;         // kFeaturesClientID or kAccountClientID
};
