#include "platform/ui/Layout.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <set>
#include <utility>

#include "platform/PlistHandle.h"
#include "platform/TextEncoding.h"

namespace platform::ui {

namespace {

// Bounds past which a layout is taken for damaged rather than drawn: no panel
// has a thousand controls or a menu of a thousand items, and no frame reaches
// a hundred thousand points.
constexpr uint32_t kMaxOutlets = 1000;
constexpr uint32_t kMaxItems = 1000;
constexpr double kMaxCoordinate = 100000;
constexpr size_t kMaxTextBytes = 1024;

struct KindName {
    std::string_view name;
    WidgetKind kind;
};

constexpr KindName kKinds[] = {
    {"box", WidgetKind::Box},           {"text", WidgetKind::StaticText},   {"field", WidgetKind::TextField},
    {"popup", WidgetKind::PopUp},       {"checkbox", WidgetKind::CheckBox}, {"radio", WidgetKind::Radio},
    {"button", WidgetKind::PushButton}, {"stepper", WidgetKind::Stepper},   {"image", WidgetKind::Image},
    {"view", WidgetKind::View},
};

// Reads one layout; the first fault found becomes the reason and ends it.
class LayoutParser {
public:
    bool Parse(plist_t root, Layout& layout)
    {
        if (root == nullptr || plist_get_node_type(root) != PLIST_DICT)
            return Fail("the layout is not a dictionary");
        if (!OnlyKeys(root, {"Title", "Frame", "Outlets"}, "the layout") ||
            !ReadText(root, "Title", "the layout", layout.titleKey) ||
            !ReadFrame(root, "the layout", layout.frame))
            return false;
        plist_t outlets = plist_dict_get_item(root, "Outlets");
        if (outlets == nullptr) return true;
        if (plist_get_node_type(outlets) != PLIST_ARRAY) return Fail("\"Outlets\" is not an array");
        const uint32_t count = plist_array_get_size(outlets);
        if (count > kMaxOutlets)
            return Fail("\"Outlets\" holds more than " + std::to_string(kMaxOutlets) + " outlets");
        std::set<std::string> names;
        for (uint32_t i = 0; i < count; ++i) {
            LayoutOutlet outlet;
            if (!ReadOutlet(plist_array_get_item(outlets, i), "outlet " + std::to_string(i), outlet))
                return false;
            if (!names.insert(outlet.name).second)
                return Fail("two outlets are named \"" + outlet.name + "\"");
            layout.outlets.push_back(std::move(outlet));
        }
        return true;
    }

    std::string reason;

private:
    bool Fail(std::string why)
    {
        reason = std::move(why);
        return false;
    }

    bool ReadOutlet(plist_t node, const std::string& where, LayoutOutlet& outlet)
    {
        if (plist_get_node_type(node) != PLIST_DICT) return Fail(where + " is not a dictionary");
        if (!OnlyKeys(node,
                      {"Name", "Kind", "Tag", "Frame", "Title", "Items", "Min", "Max", "Enabled", "Hidden"},
                      where) ||
            !ReadText(node, "Name", where, outlet.name))
            return false;
        if (outlet.name.empty()) return Fail(where + " has no \"Name\"");
        const std::string named = where + " (\"" + outlet.name + "\")";
        std::string kind;
        if (plist_dict_get_item(node, "Kind") == nullptr) return Fail(named + " has no \"Kind\"");
        if (!ReadText(node, "Kind", named, kind)) return false;
        if (!KindFromName(kind, outlet.kind)) return Fail(named + " has the unknown kind \"" + kind + "\"");
        if (!ReadInteger(node, "Tag", named, outlet.tag) || !ReadFrame(node, named, outlet.frame) ||
            !ReadText(node, "Title", named, outlet.titleKey) ||
            !ReadBool(node, "Enabled", named, outlet.enabled) ||
            !ReadBool(node, "Hidden", named, outlet.hidden))
            return false;
        if (!ReadItems(node, named, outlet)) return false;
        const bool hasRange =
            plist_dict_get_item(node, "Min") != nullptr || plist_dict_get_item(node, "Max") != nullptr;
        if (hasRange && outlet.kind != WidgetKind::Stepper)
            return Fail(named + " has \"Min\" or \"Max\" but is not a stepper");
        if (!ReadInteger(node, "Min", named, outlet.minValue) ||
            !ReadInteger(node, "Max", named, outlet.maxValue))
            return false;
        if (outlet.minValue > outlet.maxValue) return Fail(named + " has \"Min\" above \"Max\"");
        return true;
    }

    bool ReadItems(plist_t dict, const std::string& where, LayoutOutlet& outlet)
    {
        plist_t items = plist_dict_get_item(dict, "Items");
        if (items == nullptr) return true;
        if (outlet.kind != WidgetKind::PopUp) return Fail(where + " has \"Items\" but is not a pop-up");
        if (plist_get_node_type(items) != PLIST_ARRAY) return Fail(where + ": \"Items\" is not an array");
        const uint32_t count = plist_array_get_size(items);
        if (count > kMaxItems)
            return Fail(where + ": \"Items\" holds more than " + std::to_string(kMaxItems) + " items");
        for (uint32_t i = 0; i < count; ++i) {
            std::string key;
            if (!TextValue(plist_array_get_item(items, i), where + ": item " + std::to_string(i), key))
                return false;
            outlet.itemKeys.push_back(std::move(key));
        }
        return true;
    }

    static bool KindFromName(std::string_view name, WidgetKind& kind)
    {
        for (const KindName& entry : kKinds) {
            if (entry.name != name) continue;
            kind = entry.kind;
            return true;
        }
        return false;
    }

    bool OnlyKeys(plist_t dict, std::initializer_list<std::string_view> known, const std::string& where)
    {
        plist_dict_iter iter = nullptr;
        plist_dict_new_iter(dict, &iter);
        const std::unique_ptr<void, void (*)(void*)> iterOwner(iter, free);
        for (;;) {
            char* rawKey = nullptr;
            plist_t value = nullptr;
            plist_dict_next_item(dict, iter, &rawKey, &value);
            if (rawKey == nullptr) return true;
            const std::string key(rawKey);
            free(rawKey);
            bool isKnown = false;
            for (std::string_view name : known) isKnown = isKnown || name == key;
            if (!isKnown) return Fail(where + " has the unknown key \"" + key + "\"");
        }
    }

    // A text of the layout: a string node, valid UTF-8 without NUL, of a sane length.
    bool TextValue(plist_t node, const std::string& what, std::string& text)
    {
        if (node == nullptr || plist_get_node_type(node) != PLIST_STRING)
            return Fail(what + " is not a string");
        std::string value = PlistStringValue(node);
        if (value.size() > kMaxTextBytes || value.find('\0') != std::string::npos || !IsValidUtf8(value))
            return Fail(what + " is not a usable text");
        text = std::move(value);
        return true;
    }

    bool ReadText(plist_t dict, const char* key, const std::string& where, std::string& text)
    {
        plist_t node = plist_dict_get_item(dict, key);
        return node == nullptr || TextValue(node, where + ": \"" + key + "\"", text);
    }

    bool ReadInteger(plist_t dict, const char* key, const std::string& where, int& value)
    {
        plist_t node = plist_dict_get_item(dict, key);
        if (node == nullptr) return true;
        const std::string what = where + ": \"" + key + "\"";
        if (plist_get_node_type(node) != PLIST_UINT) return Fail(what + " is not an integer");
        // libplist keeps every integer as 64 unsigned bits; a negative one
        // is its two's complement.
        uint64_t bits = 0;
        plist_get_uint_val(node, &bits);
        const auto number = static_cast<int64_t>(bits);
        if (number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max())
            return Fail(what + " is out of range");
        value = static_cast<int>(number);
        return true;
    }

    bool ReadBool(plist_t dict, const char* key, const std::string& where, bool& value)
    {
        plist_t node = plist_dict_get_item(dict, key);
        if (node == nullptr) return true;
        if (plist_get_node_type(node) != PLIST_BOOLEAN)
            return Fail(where + ": \"" + key + "\" is not a Boolean");
        uint8_t flag = 0;
        plist_get_bool_val(node, &flag);
        value = flag != 0;
        return true;
    }

    bool ReadFrame(plist_t dict, const std::string& where, Rect& frame)
    {
        plist_t node = plist_dict_get_item(dict, "Frame");
        if (node == nullptr) return true;
        const std::string what = where + ": \"Frame\"";
        if (plist_get_node_type(node) != PLIST_ARRAY || plist_array_get_size(node) != 4)
            return Fail(what + " is not an array of four numbers");
        double numbers[4] = {};
        for (uint32_t i = 0; i < 4; ++i) {
            plist_t element = plist_array_get_item(node, i);
            if (plist_get_node_type(element) == PLIST_REAL) {
                plist_get_real_val(element, &numbers[i]);
            } else if (plist_get_node_type(element) == PLIST_UINT) {
                uint64_t bits = 0;
                plist_get_uint_val(element, &bits);
                numbers[i] = static_cast<double>(static_cast<int64_t>(bits));
            } else {
                return Fail(what + " is not an array of four numbers");
            }
            if (!std::isfinite(numbers[i]) || std::fabs(numbers[i]) > kMaxCoordinate)
                return Fail(what + " holds a number that is not finite or out of range");
        }
        if (numbers[2] < 0 || numbers[3] < 0) return Fail(what + " has a negative size");
        frame = {numbers[0], numbers[1], numbers[2], numbers[3]};
        return true;
    }
};

std::optional<Layout> ParseRoot(plist_t root, std::string* error)
{
    LayoutParser parser;
    Layout layout;
    if (parser.Parse(root, layout)) return layout;
    if (error != nullptr) *error = parser.reason;
    return std::nullopt;
}

std::nullopt_t Refuse(std::string* error, std::string reason)
{
    if (error != nullptr) *error = std::move(reason);
    return std::nullopt;
}

} // namespace

std::optional<Layout> ParseLayout(std::string_view bytes, std::string* error)
{
    if (bytes.empty() || bytes.size() > std::numeric_limits<uint32_t>::max())
        return Refuse(error, "the layout is empty or too large");
    const PlistHandle owner = ParsePlist(bytes);
    if (!owner) return Refuse(error, "the layout is not a property list");
    return ParseRoot(owner.get(), error);
}

std::optional<Layout> ReadLayout(const Bundle& bundle, std::string_view name, std::string* error)
{
    const std::optional<std::string> path = bundle.PathForResource(name, "plist");
    if (!path) return Refuse(error, "the bundle has no layout \"" + std::string(name) + "\"");
    const PlistHandle root = ReadPlistFile(*path);
    if (!root) return Refuse(error, "the layout \"" + std::string(name) + "\" is not a property list");
    return ParseRoot(root.get(), error);
}

} // namespace platform::ui
