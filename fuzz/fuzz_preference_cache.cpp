// The per-printer preference cache: a cache file of arbitrary bytes is read
// without harm, a store into it keeps the value (and every text value the
// file held that a property list can carry), and refusals are only for
// values a property list cannot hold unchanged.
#include "FuzzSupport.h"

#include "platform/PlistHandle.h"
#include "platform/PreferenceCache.h"

#include <sys/stat.h>

#include <cstdlib>
#include <map>
#include <string>

namespace {

std::string CacheFolder()
{
    const char* tmp = std::getenv("TMPDIR");
    return std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/qvfuzz-" +
           std::to_string(getpid()) + "-cache";
}

std::map<std::string, std::string> TextEntries(const std::string& path)
{
    std::map<std::string, std::string> entries;
    const platform::PlistHandle root = platform::ReadPlistFile(path);
    if (root && plist_get_node_type(root.get()) == PLIST_DICT)
        platform::ForEachStringEntry(
            root.get(), [&](const char* key, std::string text) { entries.emplace(key, std::move(text)); });
    return entries;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string folder = CacheFolder();
    mkdir(folder.c_str(), 0700);
    const std::string path = folder + "/fz";

    fuzz::Input in(data, size);
    const uint8_t control = in.Byte();
    const std::string key(in.Piece('\n'));
    const std::string value(in.Piece('\n'));
    const std::string_view file = in.Rest();
    unlink(path.c_str());
    if (control & 1) {
        std::FILE* f = std::fopen(path.c_str(), "wb");
        if (f == nullptr) fuzz::Fail("scratch file");
        std::fwrite(file.data(), 1, file.size(), f);
        std::fclose(f);
    }

    const std::optional<std::string> loaded = platform::LoadPreferenceCacheValue(folder, "fz", key);
    if (loaded) FUZZ_CHECK(loaded->find('\0') == std::string::npos);

    const std::map<std::string, std::string> before = TextEntries(path);
    const bool storable = !key.empty() && platform::IsPlistXmlText(key) && platform::IsPlistXmlText(value);
    const bool stored =
        platform::StorePreferenceCacheValue(folder, "fz", (control & 2) != 0, key, value, false);
    FUZZ_CHECK(stored == storable);
    if (!stored) return 0;
    const std::optional<std::string> back = platform::LoadPreferenceCacheValue(folder, "fz", key);
    FUZZ_CHECK(back && *back == value);
    // Every other text the file held as a dictionary is still there.
    const std::map<std::string, std::string> after = TextEntries(path);
    for (const auto& [oldKey, oldValue] : before) {
        if (oldKey == key || !platform::IsPlistXmlText(oldKey) || !platform::IsPlistXmlText(oldValue))
            continue;
        const auto found = after.find(oldKey);
        FUZZ_CHECK(found != after.end() && found->second == oldValue);
    }
    return 0;
}
