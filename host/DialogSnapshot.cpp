#include "host/DialogSnapshot.h"

#include <map>
#include <variant>

#include <nlohmann/json.hpp>

#include "platform/ui/Widget.h"
#include "platform/ui/Window.h"

namespace host {

namespace {

using json = nlohmann::ordered_json;

json StoredValue(const platform::ui::StoredValue& value)
{
    if (const auto* number = std::get_if<long long>(&value)) return *number;
    if (const auto* text = std::get_if<std::string>(&value)) return *text;
    return nullptr;
}

json Control(const platform::ui::Widget& widget)
{
    const platform::ui::WidgetOwner* owner = widget.owner();
    const bool popUp = widget.kind() == platform::ui::WidgetKind::PopUp;
    json items = json::array();
    for (int i = 0; popUp && i < widget.numberOfItems(); ++i) {
        const platform::ui::MenuItem item = widget.itemAtIndex(i);
        items.push_back({{"title", item.title}, {"key", item.representedObject}, {"enabled", item.enabled}});
    }
    json ppd = nullptr;
    json group = nullptr;
    if (owner != nullptr) {
        if (const std::optional<std::string> keyword = owner->ControlPPDKeyword()) ppd = *keyword;
        if (owner->ControlGroup() >= 0) group = owner->ControlGroup();
    }
    const platform::ui::Rect frame = widget.frame();
    return {{"tag", widget.tag()},
            {"class", owner != nullptr ? json(std::string(owner->ControlClassName())) : json(nullptr)},
            {"ppd", ppd},
            {"title", widget.title()},
            {"value", owner != nullptr ? StoredValue(owner->ControlStoredValue()) : json(nullptr)},
            {"selected",
             popUp && widget.indexOfSelectedItem() >= 0 ? json(widget.indexOfSelectedItem()) : json(nullptr)},
            {"enabled", widget.isEnabled()},
            {"hidden", widget.isHidden()},
            {"group", group},
            {"frame", {frame.x, frame.y, frame.width, frame.height}},
            {"items", items}};
}

json Controls(const platform::ui::View& view)
{
    json controls = json::array();
    for (const platform::ui::Widget* widget : view.widgets()) controls.push_back(Control(*widget));
    return controls;
}

// The windows a view owns and, after each, the windows it owns in turn.
void AddWindows(const platform::ui::View& view, json& windows)
{
    for (platform::ui::Window* window : view.windows()) {
        windows.push_back({{"title", window->title()},
                           {"open", window->isOpen()},
                           {"controls", Controls(window->contentView())}});
        AddWindows(window->contentView(), windows);
    }
}

json Summary(const DialogPanel& panel)
{
    std::map<std::string, std::string> texts;
    std::vector<std::string> order;
    panel.panel->summaryInfo(texts, order);
    json summary = json::array();
    for (const std::string& key : order)
        if (const auto found = texts.find(key); found != texts.end()) summary.push_back({key, found->second});
    return summary;
}

json LogEntryJson(const LogEntry& entry)
{
    json item = {{"event", entry.event}};
    if (entry.event == "alert") {
        item["key"] = entry.key;
        item["text"] = entry.text;
    } else if (entry.event == "help") {
        item["page"] = entry.page;
    } else if (entry.event == "window-opened" || entry.event == "window-closed") {
        item["title"] = entry.title;
    } else if (entry.event == "refused") {
        item["action"] = entry.action;
    } else if (entry.event == "focus") {
        item["tag"] = entry.tag;
    } else if (entry.event == "layout-refused") {
        item["layout"] = entry.title;
        item["reason"] = entry.text;
    }
    return item;
}

} // namespace

std::string DialogSnapshot(DialogPanels& panels, const std::vector<LogEntry>& log, const std::string& options)
{
    json panelList = json::array();
    for (const DialogPanel& panel : panels.Panels()) {
        json windows = json::array();
        if (panel.view != nullptr) AddWindows(*panel.view, windows);
        panelList.push_back({{"kind", panel.kind},
                             {"name", panel.name},
                             {"summary", Summary(panel)},
                             {"controls", panel.view != nullptr ? Controls(*panel.view) : json::array()},
                             {"windows", windows}});
    }
    json logList = json::array();
    for (const LogEntry& entry : log) logList.push_back(LogEntryJson(entry));
    const json snapshot = {{"panels", panelList}, {"log", logList}, {"options", options}};
    // Texts that are not UTF-8 (a PPD in another code set) come out with
    // replacement characters rather than stopping the dump.
    return snapshot.dump(-1, ' ', false, json::error_handler_t::replace);
}

} // namespace host
