// Where the host keeps its files, and where the framework inside the bundles
// keeps its preferences while the host runs.
//
// The data folder is --data-dir, else "$XDG_CONFIG_HOME/quorvel"
// (platform::UserDataDir). The framework's preference folders follow it,
// each only when its variable is not set already (an administrator or a test
// that points one elsewhere keeps it):
//   QV_APPLICATION_SUPPORT  <data>                     (the cache: <data>/QUORVEL)
//   QV_USER_PREFERENCES     <data>/Preferences
//   QV_SYSTEM_PREFERENCES   <data>/SystemPreferences
// The bundles link their own copy of the platform layer, but the process's
// environment is one: set before they load, these reach every copy.
#pragma once

#include <optional>
#include <string>

namespace host {

std::string DataFolder(const std::optional<std::string>& commandLine);

void PointFrameworkAtDataFolder(const std::string& dataFolder);

} // namespace host
