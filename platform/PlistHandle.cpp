#include "platform/PlistHandle.h"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include <unistd.h>

namespace platform {

PlistHandle ReadPlistFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return PlistHandle();
    const std::vector<char> data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad() || data.empty() || data.size() > 0xFFFFFFFFu) return PlistHandle();
    plist_t root = nullptr;
    plist_from_memory(data.data(), static_cast<uint32_t>(data.size()), &root);
    return PlistHandle(root);
}

bool WritePlistXmlFile(const std::string& path, plist_t node, bool atomic)
{
    if (node == nullptr) return false;
    char* xml = nullptr;
    uint32_t length = 0;
    plist_to_xml(node, &xml, &length);
    if (xml == nullptr) return false;
    const std::unique_ptr<char, void (*)(char*)> text(xml, plist_to_xml_free);

    const std::string target = atomic ? path + ".tmp." + std::to_string(getpid()) : path;
    bool written = false;
    {
        std::ofstream out(target, std::ios::binary | std::ios::trunc);
        if (out) {
            out.write(text.get(), length);
            out.close();
            written = !out.fail();
        }
    }
    if (!atomic) return written;
    if (written && std::rename(target.c_str(), path.c_str()) == 0) return true;
    std::remove(target.c_str());
    return false;
}

std::string PlistStringValue(plist_t node)
{
    if (node == nullptr || plist_get_node_type(node) != PLIST_STRING) return std::string();
    // plist_get_string_val() asserts that the value holds no zero byte, which
    // a damaged file can break (the process then aborts); the pointer and
    // length form takes the value as it is.
    uint64_t length = 0;
    const char* value = plist_get_string_ptr(node, &length);
    if (value == nullptr) return std::string();
    return std::string(value, static_cast<size_t>(length));
}

void ForEachStringEntry(plist_t dict, const std::function<void(const char*, std::string)>& visit)
{
    if (dict == nullptr || plist_get_node_type(dict) != PLIST_DICT) return;
    plist_dict_iter iter = nullptr;
    plist_dict_new_iter(dict, &iter);
    for (;;) {
        char* key = nullptr;
        plist_t value = nullptr;
        plist_dict_next_item(dict, iter, &key, &value);
        if (key == nullptr) break;
        if (value != nullptr && plist_get_node_type(value) == PLIST_STRING)
            visit(key, PlistStringValue(value));
        free(key);
    }
    free(iter);
}

} // namespace platform
