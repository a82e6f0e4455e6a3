#include "platform/PreferenceStore.h"

#include <unistd.h>

#include "platform/FileSystem.h"
#include "platform/PlatformPaths.h"
#include "platform/PlistHandle.h"

namespace platform {

namespace {

std::string LocalHostName()
{
    char name[256] = {};
    if (gethostname(name, sizeof(name) - 1) != 0 || name[0] == '\0') return "localhost";
    return name;
}

// Reads the string values of a dictionary file; an absent or unreadable file is empty.
std::map<std::string, std::string, std::less<>> ReadStrings(const std::string& path)
{
    std::map<std::string, std::string, std::less<>> values;
    const PlistHandle root = ReadPlistFile(path);
    if (!root || plist_get_node_type(root.get()) != PLIST_DICT) return values;
    ForEachStringEntry(root.get(),
                       [&](const char* key, std::string text) { values.emplace(key, std::move(text)); });
    return values;
}

} // namespace

PreferenceStore::PreferenceStore()
    : PreferenceStore(UserPreferencesDir(), SystemPreferencesDir(), LocalHostName())
{}

PreferenceStore::PreferenceStore(std::string userRoot, std::string systemRoot, std::string hostName)
    : userRoot_(std::move(userRoot)), systemRoot_(std::move(systemRoot)), hostName_(std::move(hostName))
{}

std::string PreferenceStore::FilePath(std::string_view application, PreferenceUser user,
                                      PreferenceHost host) const
{
    const std::string& root = user == PreferenceUser::Current ? userRoot_ : systemRoot_;
    const std::string app =
        application.empty() ? std::string(kPreferencesAnyApplication) : std::string(application);
    if (host == PreferenceHost::Current) return root + "/ByHost/" + app + "." + hostName_ + ".plist";
    return root + "/" + app + ".plist";
}

PreferenceStore::Domain& PreferenceStore::Load(const std::string& path)
{
    Domain& domain = domains_[path];
    if (!domain.loaded) {
        domain.values = ReadStrings(path);
        domain.loaded = true;
    }
    return domain;
}

std::optional<std::string> PreferenceStore::CopyValue(std::string_view key, std::string_view application,
                                                      PreferenceUser user, PreferenceHost host)
{
    Domain& domain = Load(FilePath(application, user, host));
    if (const auto change = domain.pending.find(key); change != domain.pending.end()) return change->second;
    if (const auto value = domain.values.find(key); value != domain.values.end()) return value->second;
    return std::nullopt;
}

void PreferenceStore::SetValue(std::string_view key, std::optional<std::string> value,
                               std::string_view application, PreferenceUser user, PreferenceHost host)
{
    if (key.empty()) return;
    Domain& domain = Load(FilePath(application, user, host));
    domain.pending.insert_or_assign(std::string(key), std::move(value));
}

bool PreferenceStore::Synchronize(std::string_view application, PreferenceUser user, PreferenceHost host)
{
    const std::string path = FilePath(application, user, host);
    Domain& domain = Load(path);
    if (!domain.pending.empty()) {
        PlistHandle root = ReadPlistFile(path);
        if (!root || plist_get_node_type(root.get()) != PLIST_DICT) root.reset(plist_new_dict());
        for (const auto& [key, value] : domain.pending) {
            if (value) {
                plist_dict_set_item(root.get(), key.c_str(), plist_new_string(value->c_str()));
            } else if (plist_dict_get_item(root.get(), key.c_str()) != nullptr) {
                plist_dict_remove_item(root.get(), key.c_str());
            }
        }
        if (!CreateDirectories(ParentDirectory(path), 0755, std::string())) return false;
        if (!WritePlistXmlFile(path, root.get(), true)) return false;
        domain.pending.clear();
    }
    domain.values = ReadStrings(path);
    return true;
}

} // namespace platform
