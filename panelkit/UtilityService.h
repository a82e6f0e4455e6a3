// Class-level services both extensions use: the administrator check that
// guards shared preferences, the sandbox test that decides how the preference
// cache reacts to failed file creation, and removal of a stale help-book
// registration.
#pragma once

#include <string>

class UTILITY_SERVICE {
public:
    UTILITY_SERVICE() = delete;

    // YES when the user is a member of the administrators' group in the group
    // database (its primary group or the member list). NO for a missing or
    // empty name and on any failure, after a message on standard error.
    static bool checkIfAdminUser(const char* userName);

    // YES when the home directory's path contains "Containers"; decided on
    // the first call and kept for the life of the process.
    static bool isSandboxed();

    // Removes the help viewer's registration of the bundle's help book when it
    // points into a localisation folder (".lproj"); anything else, or a file
    // that cannot be read, is left unchanged.
    static void removeHelpCacheForBundleID(const char* bundleIdentifier);
};
