#include "platform/Bundle.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>

#include "platform/FileSystem.h"

namespace platform {

struct Bundle::Cache {
    std::map<std::string, std::optional<StringsTable>> tables; // by file path
};

namespace {

bool IsSafeName(std::string_view name)
{
    if (name.empty() || name.front() == '/') return false;
    size_t start = 0;
    while (start <= name.size()) {
        const size_t slash = name.find('/', start);
        const std::string_view part =
            name.substr(start, slash == std::string_view::npos ? name.npos : slash - start);
        if (part == "..") return false;
        if (slash == std::string_view::npos) break;
        start = slash + 1;
    }
    return true;
}

// "ja_JP.UTF-8" gives "ja_JP" and "ja".
void AddLanguage(std::vector<std::string>& out, std::string_view tag)
{
    tag = tag.substr(0, tag.find_first_of(".@"));
    if (tag.empty() || tag == "C" || tag == "POSIX") return;
    const auto add = [&](std::string name) {
        for (const std::string& known : out) {
            if (known == name) return;
        }
        out.push_back(std::move(name));
    };
    add(std::string(tag));
    const size_t sep = tag.find_first_of("_-");
    if (sep != std::string_view::npos) add(std::string(tag.substr(0, sep)));
}

} // namespace

std::optional<Bundle> Bundle::Open(const std::string& path)
{
    if (!DirectoryExists(path)) return std::nullopt;
    std::string clean = path;
    while (clean.size() > 1 && clean.back() == '/') clean.pop_back();
    Bundle bundle(clean);
    PlistHandle info = ReadPlistFile(clean + "/Info.plist");
    if (!info || plist_get_node_type(info.get()) != PLIST_DICT) info.reset(plist_new_dict());
    bundle.info_ = std::shared_ptr<void>(info.release(), PlistDeleter());
    bundle.cache_ = std::make_shared<Cache>();
    return bundle;
}

namespace {

// The texts of an array node; elements of other types are skipped.
std::vector<std::string> StringsOfArray(plist_t node)
{
    std::vector<std::string> values;
    const uint32_t count = plist_array_get_size(node);
    for (uint32_t i = 0; i < count; ++i) {
        plist_t item = plist_array_get_item(node, i);
        if (item != nullptr && plist_get_node_type(item) == PLIST_STRING)
            values.push_back(PlistStringValue(item));
    }
    return values;
}

} // namespace

std::optional<std::string> Bundle::InfoString(std::string_view key) const
{
    const std::string name(key);
    plist_t node = plist_dict_get_item(info_.get(), name.c_str());
    if (node == nullptr || plist_get_node_type(node) != PLIST_STRING) return std::nullopt;
    return PlistStringValue(node);
}

std::optional<std::vector<std::string>> Bundle::InfoStringArray(std::string_view key) const
{
    const std::string name(key);
    plist_t node = plist_dict_get_item(info_.get(), name.c_str());
    if (node == nullptr || plist_get_node_type(node) != PLIST_ARRAY) return std::nullopt;
    return StringsOfArray(node);
}

std::optional<std::vector<std::optional<std::vector<std::string>>>>
Bundle::InfoNestedStringArrays(std::string_view key) const
{
    const std::string name(key);
    plist_t node = plist_dict_get_item(info_.get(), name.c_str());
    if (node == nullptr || plist_get_node_type(node) != PLIST_ARRAY) return std::nullopt;
    std::vector<std::optional<std::vector<std::string>>> elements;
    const uint32_t count = plist_array_get_size(node);
    for (uint32_t i = 0; i < count; ++i) {
        plist_t item = plist_array_get_item(node, i);
        if (item != nullptr && plist_get_node_type(item) == PLIST_ARRAY)
            elements.emplace_back(StringsOfArray(item));
        else
            elements.emplace_back(std::nullopt);
    }
    return elements;
}

std::vector<std::string> Bundle::PreferredLocalizations() const
{
    std::vector<std::string> names;
    for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value == nullptr || *value == '\0') continue;
        std::string_view list(value); // LANGUAGE may hold "ja:en"
        while (!list.empty()) {
            const size_t colon = list.find(':');
            AddLanguage(names, list.substr(0, colon));
            if (colon == std::string_view::npos) break;
            list.remove_prefix(colon + 1);
        }
        break;
    }
    if (const std::optional<std::string> region = InfoString("CFBundleDevelopmentRegion")) {
        AddLanguage(names, *region);
    }
    for (const char* fallback : {"en", "English", "Base"}) AddLanguage(names, fallback);
    return names;
}

const StringsTable* Bundle::Table(const std::string& file) const
{
    auto it = cache_->tables.find(file);
    if (it == cache_->tables.end()) {
        std::optional<StringsTable> table;
        std::ifstream in(file, std::ios::binary);
        if (in) {
            const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            table = ParseStringsTable(bytes);
        }
        it = cache_->tables.emplace(file, std::move(table)).first;
    }
    return it->second ? &*it->second : nullptr;
}

std::string Bundle::LocalizedString(std::string_view key, std::string_view value,
                                    std::string_view table) const
{
    const std::string tableName = table.empty() ? std::string("Localizable") : std::string(table);
    if (IsSafeName(tableName)) {
        std::vector<std::string> files;
        for (const std::string& lang : PreferredLocalizations()) {
            files.push_back(ResourcesDirectory() + "/" + lang + ".lproj/" + tableName + ".strings");
        }
        files.push_back(ResourcesDirectory() + "/" + tableName + ".strings");
        for (const std::string& file : files) {
            const StringsTable* strings = Table(file);
            if (strings == nullptr) continue;
            if (const auto found = strings->find(key); found != strings->end()) return found->second;
        }
    }
    return value.empty() ? std::string(key) : std::string(value);
}

std::optional<std::string> Bundle::PathForResource(std::string_view name, std::string_view type,
                                                   std::string_view subfolder) const
{
    std::string file(name);
    if (!type.empty()) {
        if (type.front() != '.') file += '.';
        file += type;
    }
    if (!IsSafeName(file) || (!subfolder.empty() && !IsSafeName(subfolder))) return std::nullopt;
    const std::string relative = subfolder.empty() ? file : std::string(subfolder) + "/" + file;
    for (const std::string& lang : PreferredLocalizations()) {
        const std::string candidate = ResourcesDirectory() + "/" + lang + ".lproj/" + relative;
        if (FileExists(candidate)) return candidate;
    }
    const std::string candidate = ResourcesDirectory() + "/" + relative;
    if (FileExists(candidate)) return candidate;
    return std::nullopt;
}

std::optional<std::string> Bundle::HelpDirectory() const
{
    for (const std::string& lang : PreferredLocalizations()) {
        const std::string candidate = ResourcesDirectory() + "/" + lang + ".lproj/Help";
        if (DirectoryExists(candidate)) return candidate;
    }
    const std::string candidate = ResourcesDirectory() + "/Help";
    if (DirectoryExists(candidate)) return candidate;
    return std::nullopt;
}

} // namespace platform
