// A plug-in bundle: a folder "NAME.plugin/" holding "Info.plist" and
// "Resources/" (localisation folders "<lang>.lproj", tables "*.strings",
// layout files, the "Help/" folder, images).
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/PlistHandle.h"
#include "platform/StringsTable.h"

namespace platform {

class Bundle {
public:
    // Nothing when the path is not a folder. A missing or unreadable
    // Info.plist gives an empty information dictionary, as on the original.
    static std::optional<Bundle> Open(const std::string& path);

    const std::string& Path() const { return path_; }
    std::string ResourcesDirectory() const { return path_ + "/Resources"; }

    // CFBundleIdentifier; empty when the dictionary has none.
    std::string Identifier() const { return InfoString("CFBundleIdentifier").value_or(std::string()); }

    // A text value of the information dictionary; nothing when absent or not a text.
    std::optional<std::string> InfoString(std::string_view key) const;
    // An array of texts (elements of other types are skipped); nothing when absent.
    std::optional<std::vector<std::string>> InfoStringArray(std::string_view key) const;
    // An array whose elements are arrays of texts (the Features modes' entries):
    // one entry per element, nothing for an element that is no array; nothing
    // when the key is absent or not an array.
    std::optional<std::vector<std::optional<std::vector<std::string>>>>
    InfoNestedStringArrays(std::string_view key) const;

    // Localisation folder names to search, best first: those of the user's
    // language ($LANGUAGE, $LC_ALL, $LC_MESSAGES, $LANG), the development
    // region, then "en", "English" and "Base".
    std::vector<std::string> PreferredLocalizations() const;

    // The localised value of the key in the table ("Localizable" when the table
    // is empty): searched in the preferred localisation folders, then in
    // Resources itself. A missing key gives `value` when it is not empty,
    // else the key.
    std::string LocalizedString(std::string_view key, std::string_view value, std::string_view table) const;

    // The path of "name.type" in subfolder of the preferred localisation
    // folders, then of Resources; nothing when there is no such file. The
    // name must not climb out of the bundle ("..", absolute paths).
    std::optional<std::string> PathForResource(std::string_view name, std::string_view type,
                                               std::string_view subfolder = {}) const;

    // The help book folder: "Help" in the preferred localisation folders, then
    // "Resources/Help"; nothing without one.
    std::optional<std::string> HelpDirectory() const;

private:
    explicit Bundle(std::string path) : path_(std::move(path)) {}

    const StringsTable* Table(const std::string& file) const;

    std::string path_;
    std::shared_ptr<void> info_; // plist dictionary, shared so bundles copy cheaply
    struct Cache;
    std::shared_ptr<Cache> cache_; // strings tables already read
};

} // namespace platform
