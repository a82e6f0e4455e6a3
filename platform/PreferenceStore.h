// File-backed preferences in the manner of the original's CFPreferences:
// values live in property-list files chosen by application, user scope and
// host scope, and reach the disk when the domain is synchronised.
//
// Layout, below the user root (current user) or the system root (any user):
//   <root>/<application>.plist                  any host
//   <root>/ByHost/<application>.<hostname>.plist current host
// The "any application" domain is the file ".GlobalPreferences".
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

enum class PreferenceUser { Current, Any }; // kCFPreferencesCurrentUser / AnyUser
enum class PreferenceHost { Current, Any }; // kCFPreferencesCurrentHost / AnyHost

// kCFPreferencesAnyApplication.
inline constexpr const char* kPreferencesAnyApplication = ".GlobalPreferences";

class PreferenceStore {
public:
    // Roots from the platform paths; host name from gethostname.
    PreferenceStore();
    PreferenceStore(std::string userRoot, std::string systemRoot, std::string hostName);

    // The value under the key (pending changes included); nothing when the key
    // is absent or its value is not a text.
    std::optional<std::string> CopyValue(std::string_view key, std::string_view application,
                                         PreferenceUser user, PreferenceHost host);

    // Records a change; no value removes the key. Reaches the disk on Synchronize.
    void SetValue(std::string_view key, std::optional<std::string> value, std::string_view application,
                  PreferenceUser user, PreferenceHost host);

    // Writes the domain's pending changes over what the file holds now (values
    // of other keys and of other types are kept) and reloads it. Answers false
    // when the file cannot be written; the changes then stay pending.
    bool Synchronize(std::string_view application, PreferenceUser user, PreferenceHost host);

    std::string FilePath(std::string_view application, PreferenceUser user, PreferenceHost host) const;

private:
    struct Domain {
        bool loaded = false;
        std::map<std::string, std::string, std::less<>> values;                 // as last read
        std::map<std::string, std::optional<std::string>, std::less<>> pending; // not yet written
    };

    Domain& Load(const std::string& path);

    std::string userRoot_;
    std::string systemRoot_;
    std::string hostName_;
    std::map<std::string, Domain> domains_; // by file path
};

} // namespace platform
