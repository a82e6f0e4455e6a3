#include "host/HostEnvironment.h"

#include <cstdlib>

#include "platform/PlatformPaths.h"

namespace host {

std::string DataFolder(const std::optional<std::string>& commandLine)
{
    return commandLine ? *commandLine : platform::UserDataDir();
}

void PointFrameworkAtDataFolder(const std::string& dataFolder)
{
    // setenv with overwrite 0 leaves a variable that is set alone.
    setenv("QV_APPLICATION_SUPPORT", dataFolder.c_str(), 0);
    setenv("QV_USER_PREFERENCES", (dataFolder + "/Preferences").c_str(), 0);
    setenv("QV_SYSTEM_PREFERENCES", (dataFolder + "/SystemPreferences").c_str(), 0);
}

} // namespace host
