#include "panelkit/UtilityService.h"

#include <cstdio>
#include <mutex>
#include <optional>

#include "platform/FileSystem.h"
#include "platform/PlatformPaths.h"
#include "platform/PlistHandle.h"
#include "platform/UserDatabase.h"

bool UTILITY_SERVICE::checkIfAdminUser(const char* userName)
{
    if (userName == nullptr || *userName == '\0') return false;
    const std::string adminGroup = platform::AdminGroupName();
    if (adminGroup.empty()) {
        std::fputs("UtilityService - CSIdentityQueryCreateForName failed.\n", stderr);
        return false;
    }
    const std::optional<std::vector<platform::GroupEntry>> groups = platform::UserDatabase::AllGroups();
    if (!groups) {
        std::fputs("UtilityService - CSIdentityQueryExecute failed.\n", stderr);
        return false;
    }
    const platform::GroupEntry* admin = nullptr;
    for (const platform::GroupEntry& group : *groups) {
        if (group.name == adminGroup) {
            admin = &group;
            break;
        }
    }
    if (admin == nullptr) return false;
    for (const std::string& member : admin->members) {
        if (!member.empty() && member == userName) return true;
    }
    // Users whose primary group is the administrators' group are members too.
    const std::optional<platform::UserEntry> user = platform::UserDatabase::FindUser(userName);
    return user && user->gid == admin->gid;
}

bool UTILITY_SERVICE::isSandboxed()
{
    static std::once_flag decided;
    static bool sandboxed = false;
    std::call_once(decided,
                   [] { sandboxed = platform::HomeDirectory().find("Containers") != std::string::npos; });
    return sandboxed;
}

void UTILITY_SERVICE::removeHelpCacheForBundleID(const char* bundleIdentifier)
{
    if (bundleIdentifier == nullptr) return;
    const std::string file = platform::HelpRegistrationFile();
    if (!platform::FileExists(file)) return;
    const platform::PlistHandle root = platform::ReadPlistFile(file);
    if (!root || plist_get_node_type(root.get()) != PLIST_DICT) return;

    plist_t books = plist_dict_get_item(root.get(), "RegisteredBooks");
    if (books == nullptr || plist_get_node_type(books) != PLIST_DICT) return;
    plist_t entries = plist_dict_get_item(books, bundleIdentifier);
    if (entries == nullptr || plist_get_node_type(entries) != PLIST_ARRAY ||
        plist_array_get_size(entries) == 0) {
        return;
    }
    plist_t first = plist_array_get_item(entries, 0);
    if (first == nullptr || plist_get_node_type(first) != PLIST_DICT) return;
    const std::string url = platform::PlistStringValue(plist_dict_get_item(first, "url"));
    if (url.find(".lproj") == std::string::npos) return;

    plist_dict_remove_item(books, bundleIdentifier);
    plist_t order = plist_dict_get_item(root.get(), "RegistrationOrder");
    if (order != nullptr && plist_get_node_type(order) == PLIST_ARRAY) {
        for (uint32_t i = 0; i < plist_array_get_size(order); ++i) {
            if (platform::PlistStringValue(plist_array_get_item(order, i)) == bundleIdentifier) {
                plist_array_remove_item(order, i);
                break;
            }
        }
    }
    if (!platform::WritePlistXmlFile(file, root.get(), true)) std::fputs("Illegal Property List.\n", stderr);
}
