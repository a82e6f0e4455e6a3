#include "platform/PreferenceCache.h"

#include <cerrno>

#include <sys/stat.h>

#include "platform/FileAccess.h"
#include "platform/FileSystem.h"
#include "platform/LockedPlistFile.h"
#include "platform/PlatformPaths.h"
#include "platform/PlistHandle.h"
#include "platform/UserDatabase.h"

namespace platform {

namespace {

constexpr mode_t kFolderMode = 0777;
constexpr mode_t kSharedFileMode = 0664;
constexpr mode_t kUserFileMode = 0644;

enum class FolderState { Folder, Missing, Other };

// What is at the folder's own path, not through a link. A trailing slash
// would make lstat() follow a link, so it is dropped first.
FolderState ProbeFolder(std::string folder)
{
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    struct stat info {};
    if (lstat(folder.c_str(), &info) != 0) return FolderState::Missing;
    return S_ISDIR(info.st_mode) ? FolderState::Folder : FolderState::Other;
}

std::optional<gid_t> AdminGroupID()
{
    const std::optional<GroupEntry> group = UserDatabase::FindGroup(AdminGroupName());
    if (!group) return std::nullopt;
    return group->gid;
}

} // namespace

std::string PreferenceCacheFolder() { return ApplicationSupportDir() + "/" + kPreferenceCacheFolderName; }

bool IsSafePrinterID(std::string_view printerID)
{
    return !printerID.empty() && printerID != "." && printerID != ".." &&
           printerID.find('/') == std::string_view::npos && printerID.find('\0') == std::string_view::npos;
}

std::optional<std::string> PreferenceCacheFileName(std::string_view printerID,
                                                   std::optional<std::string_view> loginName)
{
    if (!IsSafePrinterID(printerID)) return std::nullopt;
    if (!loginName) return std::string(printerID);
    if (!IsSafePrinterID(*loginName)) return std::nullopt;
    return std::string(printerID) + "-" + std::string(*loginName);
}

bool StorePreferenceCacheValue(const std::string& folder, std::string_view fileName, bool shared,
                               std::string_view key, std::string_view value, bool sandboxed)
{
    if (folder.empty() || !IsSafePrinterID(fileName) || key.empty()) return false;
    if (!IsPlistXmlText(key) || !IsPlistXmlText(value)) return false;

    switch (ProbeFolder(folder)) {
    case FolderState::Folder: break;
    case FolderState::Other: return false;
    case FolderState::Missing: {
        const bool made = CreateDirectories(folder, kFolderMode, AdminGroupName()) &&
                          ProbeFolder(folder) == FolderState::Folder;
        if (!made && !sandboxed) return false;
        break;
    }
    }

    const FileAccess access =
        shared ? FileAccess{kSharedFileMode, AdminGroupID()} : FileAccess{kUserFileMode, std::nullopt};
    const std::string path = folder + "/" + std::string(fileName);
    const std::string keyText(key);
    const std::string valueText(value);
    return UpdatePlistDictionaryFile(path, access, [&](plist_t dictionary) {
        plist_dict_set_item(dictionary, keyText.c_str(), plist_new_string(valueText.c_str()));
        return true;
    });
}

std::optional<std::string> LoadPreferenceCacheValue(const std::string& folder, std::string_view fileName,
                                                    std::string_view key)
{
    if (folder.empty() || !IsSafePrinterID(fileName) || key.empty()) return std::nullopt;
    if (key.find('\0') != std::string_view::npos) return std::nullopt;
    if (ProbeFolder(folder) != FolderState::Folder) return std::nullopt;

    const PlistHandle root = ReadPlistRegularFile(folder + "/" + std::string(fileName));
    if (!root || plist_get_node_type(root.get()) != PLIST_DICT) return std::nullopt;
    const plist_t item = plist_dict_get_item(root.get(), std::string(key).c_str());
    if (item == nullptr || plist_get_node_type(item) != PLIST_STRING) return std::nullopt;
    // A zero byte is in no value a store writes: the file is damaged there,
    // and the value counts as missing rather than cut short.
    std::string value = PlistStringValue(item);
    if (value.find('\0') != std::string::npos) return std::nullopt;
    return value;
}

} // namespace platform
