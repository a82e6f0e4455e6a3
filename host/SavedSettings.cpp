#include "host/SavedSettings.h"

#include <cerrno>
#include <cstring>

#include <plist/plist.h>
#include <sys/stat.h>

#include <cstdlib>
#include <set>

#include "platform/FileSystem.h"
#include "platform/LockedPlistFile.h"
#include "platform/PlistHandle.h"

namespace host {

namespace {

constexpr const char* kLastUsedFile = "LastUsedSettings.plist";
constexpr const char* kPresetsFile = "Presets.plist";
constexpr mode_t kFolderMode = 0700;
constexpr mode_t kFileMode = 0600;

plist_t StringPair(const char* firstKey, const std::string& first, const char* secondKey,
                   const std::string& second)
{
    plist_t dict = plist_new_dict();
    plist_dict_set_item(dict, firstKey, plist_new_string(first.c_str()));
    plist_dict_set_item(dict, secondKey, plist_new_string(second.c_str()));
    return dict;
}

plist_t ToPlist(const SavedValues& values)
{
    plist_t settings = plist_new_array();
    for (const auto& entry : values.settings) {
        plist_t item = StringPair("Key", entry.key, "Value", entry.value);
        plist_dict_set_item(item, "Locked", plist_new_bool(entry.locked ? 1 : 0));
        plist_array_append_item(settings, item);
    }
    plist_t choices = plist_new_array();
    for (const auto& [option, choice] : values.choices)
        plist_array_append_item(choices, StringPair("Option", option, "Choice", choice));
    plist_t dict = plist_new_dict();
    plist_dict_set_item(dict, "PrintSettings", settings);
    plist_dict_set_item(dict, "PPDChoices", choices);
    return dict;
}

// Items of an array entry of the dictionary that are dictionaries.
std::vector<plist_t> DictionaryItems(plist_t dict, const char* key)
{
    std::vector<plist_t> items;
    plist_t array = plist_dict_get_item(dict, key);
    if (array == nullptr || plist_get_node_type(array) != PLIST_ARRAY) return items;
    for (uint32_t i = 0; i < plist_array_get_size(array); ++i) {
        plist_t item = plist_array_get_item(array, i);
        if (plist_get_node_type(item) == PLIST_DICT) items.push_back(item);
    }
    return items;
}

// A text holding a zero byte was never written by the dialog (the file is
// damaged), and in the job's option string it would end every option after
// it: such an entry is passed over.
bool HoldsZeroByte(const std::string& text) { return text.find('\0') != std::string::npos; }

std::optional<SavedValues> FromPlist(plist_t dict)
{
    if (dict == nullptr || plist_get_node_type(dict) != PLIST_DICT) return std::nullopt;
    SavedValues values;
    for (plist_t item : DictionaryItems(dict, "PrintSettings")) {
        const std::string key = platform::PlistStringValue(plist_dict_get_item(item, "Key"));
        if (key.empty()) continue;
        uint8_t locked = 0;
        plist_t lockedNode = plist_dict_get_item(item, "Locked");
        if (lockedNode != nullptr && plist_get_node_type(lockedNode) == PLIST_BOOLEAN)
            plist_get_bool_val(lockedNode, &locked);
        std::string value = platform::PlistStringValue(plist_dict_get_item(item, "Value"));
        if (HoldsZeroByte(key) || HoldsZeroByte(value)) continue;
        values.settings.push_back({key, std::move(value), locked != 0});
    }
    for (plist_t item : DictionaryItems(dict, "PPDChoices")) {
        std::string option = platform::PlistStringValue(plist_dict_get_item(item, "Option"));
        std::string choice = platform::PlistStringValue(plist_dict_get_item(item, "Choice"));
        if (!option.empty() && !choice.empty() && !HoldsZeroByte(option) && !HoldsZeroByte(choice))
            values.choices.emplace_back(std::move(option), std::move(choice));
    }
    return values;
}

// Why the file at the path could not be written, for the person told that
// nothing was kept: what stands in its way, else the system's reason.
std::string WhyNotWritten(const std::string& path, int error)
{
    struct stat info {};
    if (lstat(path.c_str(), &info) == 0) {
        if (S_ISLNK(info.st_mode)) return "it is a symbolic link";
        if (S_ISDIR(info.st_mode)) return "it is a folder";
        if (!S_ISREG(info.st_mode)) return "it is not a regular file";
        if (static_cast<uint64_t>(info.st_size) > platform::kMaxPlistFileBytes)
            return "it is larger than " + std::to_string(platform::kMaxPlistFileBytes >> 20) + " MB";
    }
    return std::strerror(error != 0 ? error : EIO);
}

} // namespace

SettingsStore::SettingsStore(std::string dataDir, const std::string& printerID)
    : folder_(std::move(dataDir) + "/printers/" + printerID)
{}

std::optional<SavedValues> SettingsStore::LastUsed() const
{
    const platform::PlistHandle root = platform::ReadPlistRegularFile(folder_ + "/" + kLastUsedFile);
    return FromPlist(root.get());
}

std::optional<SavedValues> SettingsStore::Preset(std::string_view name) const
{
    if (const auto staged = presets_.find(name); staged != presets_.end()) return staged->second;
    const platform::PlistHandle root = platform::ReadPlistRegularFile(folder_ + "/" + kPresetsFile);
    if (!root || plist_get_node_type(root.get()) != PLIST_DICT) return std::nullopt;
    return FromPlist(plist_dict_get_item(root.get(), std::string(name).c_str()));
}

std::vector<std::string> SettingsStore::PresetNames() const
{
    std::set<std::string> names;
    for (const auto& staged : presets_) names.insert(staged.first);
    const platform::PlistHandle root = platform::ReadPlistRegularFile(folder_ + "/" + kPresetsFile);
    if (root && plist_get_node_type(root.get()) == PLIST_DICT) {
        plist_dict_iter iter = nullptr;
        plist_dict_new_iter(root.get(), &iter);
        for (;;) {
            char* key = nullptr;
            plist_t value = nullptr;
            plist_dict_next_item(root.get(), iter, &key, &value);
            if (key == nullptr) break;
            if (FromPlist(value)) names.insert(key);
            free(key);
        }
        free(iter);
    }
    return {names.begin(), names.end()};
}

bool SettingsStore::Commit(std::string& error)
{
    if (!lastUsed_ && presets_.empty()) return true;
    errno = 0;
    if (!platform::CreateDirectories(folder_, kFolderMode, "")) {
        error = "cannot create the folder " + folder_ + ": " + std::strerror(errno != 0 ? errno : EIO);
        return false;
    }
    const platform::FileAccess access{.mode = kFileMode, .group = std::nullopt};
    if (lastUsed_) {
        const std::string path = folder_ + "/" + kLastUsedFile;
        errno = 0;
        const bool written = platform::UpdatePlistDictionaryFile(path, access, [this](plist_t dict) {
            plist_t values = ToPlist(*lastUsed_);
            for (const char* key : {"PrintSettings", "PPDChoices"})
                plist_dict_set_item(dict, key, plist_copy(plist_dict_get_item(values, key)));
            plist_free(values);
            return true;
        });
        if (!written) {
            error = "cannot write " + path + ": " + WhyNotWritten(path, errno);
            return false;
        }
    }
    if (!presets_.empty()) {
        const std::string path = folder_ + "/" + kPresetsFile;
        errno = 0;
        const bool written = platform::UpdatePlistDictionaryFile(path, access, [this](plist_t dict) {
            for (const auto& [name, values] : presets_)
                plist_dict_set_item(dict, name.c_str(), ToPlist(values));
            return true;
        });
        if (!written) {
            error = "cannot write " + path + ": " + WhyNotWritten(path, errno);
            return false;
        }
    }
    lastUsed_.reset();
    presets_.clear();
    return true;
}

} // namespace host
