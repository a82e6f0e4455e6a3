#include "platform/PlistHandle.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/AtomicFile.h"
#include "platform/TextEncoding.h"

namespace platform {

namespace {

bool HasKeyWithZeroByte(plist_t root)
{
    const std::optional<std::string> xml = PlistXmlText(root);
    if (!xml) return true;
    constexpr std::string_view kOpen = "<key>";
    for (size_t at = xml->find(kOpen); at != std::string::npos; at = xml->find(kOpen, at)) {
        at += kOpen.size();
        const size_t end = xml->find("</key>", at);
        if (end == std::string::npos) return true;
        if (xml->find('\0', at) < end) return true;
        at = end;
    }
    return false;
}

} // namespace

PlistHandle ReadPlistFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return PlistHandle();
    const std::vector<char> data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return PlistHandle();
    return ParsePlist(std::string_view(data.data(), data.size()));
}

PlistHandle ParsePlist(std::string_view bytes)
{
    if (bytes.empty() || bytes.size() > 0xFFFFFFFFu) return PlistHandle();
    plist_t root = nullptr;
    plist_from_memory(bytes.data(), static_cast<uint32_t>(bytes.size()), &root);
    PlistHandle owner(root);
    // A binary list can hold a dictionary key with a zero byte in it (a UTF-16
    // key may), which the XML form cannot. libplist keeps such a key, and
    // reading it back (plist_dict_next_item) aborts the process on an
    // assertion. No list this system writes holds one, so a list that does is
    // taken for damaged. The XML form writes every key whole, its '<' escaped.
    if (owner && bytes.substr(0, 6) == "bplist" && HasKeyWithZeroByte(owner.get())) return PlistHandle();
    return owner;
}

std::optional<std::string> PlistXmlText(plist_t node)
{
    if (node == nullptr) return std::nullopt;
    char* xml = nullptr;
    uint32_t length = 0;
    plist_to_xml(node, &xml, &length);
    if (xml == nullptr) return std::nullopt;
    const std::unique_ptr<char, void (*)(char*)> text(xml, plist_to_xml_free);
    return std::string(text.get(), length);
}

bool IsPlistXmlText(std::string_view text)
{
    if (!IsValidUtf8(text)) return false;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 && byte != '\t' && byte != '\n') return false;
    }
    // U+FFFE and U+FFFF are no XML characters either.
    return text.find("\xEF\xBF\xBE") == std::string_view::npos &&
           text.find("\xEF\xBF\xBF") == std::string_view::npos;
}

bool WritePlistXmlFile(const std::string& path, plist_t node, bool atomic)
{
    const std::optional<std::string> xml = PlistXmlText(node);
    if (!xml) return false;
    if (!atomic) return OverwriteRegularFile(path, *xml);
    // A rewrite keeps the file's permissions and group, as writing into it did.
    return ReplaceFileAtomically(path, *xml, RegularFileAccess(path).value_or(FileAccess{}));
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
