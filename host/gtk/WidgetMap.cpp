#include "host/gtk/WidgetMap.h"

#include <cstdio>
#include <fstream>
#include <optional>

#include <nlohmann/json.hpp>

#include "host/gtk/GtkModalWindow.h"
#include "host/gtk/GtkPanelView.h"
#include "host/gtk/SurfacePosition.h"

namespace host {

namespace {

constexpr guint kIntervalMs = 50;

std::string_view KindName(platform::ui::WidgetKind kind)
{
    using platform::ui::WidgetKind;
    switch (kind) {
    case WidgetKind::Box: return "box";
    case WidgetKind::StaticText: return "text";
    case WidgetKind::TextField: return "field";
    case WidgetKind::PopUp: return "popup";
    case WidgetKind::CheckBox: return "checkbox";
    case WidgetKind::Radio: return "radio";
    case WidgetKind::PushButton: return "button";
    case WidgetKind::Stepper: return "stepper";
    case WidgetKind::Image: return "image";
    case WidgetKind::View: return "view";
    }
    return "view";
}

// The widget's rectangle in root-window pixels; nothing when it is not on
// an X11 screen.
std::optional<nlohmann::json> ScreenRect(GtkWidget* widget)
{
    if (widget == nullptr || !gtk_widget_get_mapped(widget)) return std::nullopt;
    GtkNative* native = gtk_widget_get_native(widget);
    if (native == nullptr) return std::nullopt;
    graphene_rect_t bounds;
    // A widget shown but not yet laid out in its window has no place to click.
    if (!gtk_widget_compute_bounds(widget, GTK_WIDGET(native), &bounds) || bounds.size.width < 1 ||
        bounds.size.height < 1 || bounds.origin.x < 0 || bounds.origin.y < 0)
        return std::nullopt;
    int rootX = 0;
    int rootY = 0;
    if (!SurfaceRootPosition(gtk_native_get_surface(native), rootX, rootY)) return std::nullopt;
    double offsetX = 0;
    double offsetY = 0;
    gtk_native_get_surface_transform(native, &offsetX, &offsetY);
    return nlohmann::json{{"x", static_cast<int>(rootX + offsetX + bounds.origin.x)},
                          {"y", static_cast<int>(rootY + offsetY + bounds.origin.y)},
                          {"width", static_cast<int>(bounds.size.width)},
                          {"height", static_cast<int>(bounds.size.height)}};
}

std::string WindowTitle(GtkWidget* widget)
{
    GtkRoot* root = gtk_widget_get_root(widget);
    const char* title =
        root != nullptr && GTK_IS_WINDOW(root) ? gtk_window_get_title(GTK_WINDOW(root)) : nullptr;
    return title != nullptr ? title : "";
}

} // namespace

WidgetMap::WidgetMap(const ScreenSession& session, std::string path)
    : session_(session), path_(std::move(path))
{
    if (!path_.empty()) timer_ = g_timeout_add(kIntervalMs, Tick, this);
}

WidgetMap::~WidgetMap()
{
    if (timer_ != 0) g_source_remove(timer_);
}

std::string WidgetMap::Describe() const
{
    nlohmann::json controls = nlohmann::json::array();
    for (const GtkPanelView* view : session_.Views()) {
        for (const auto& control : view->Controls()) {
            std::optional<nlohmann::json> place = ScreenRect(control->Gtk());
            if (!place) continue;
            nlohmann::json entry = *place;
            entry["window"] = WindowTitle(control->Gtk());
            entry["tag"] = control->tag();
            entry["outlet"] = control->outletName();
            entry["kind"] = KindName(control->kind());
            entry["title"] = control->title();
            entry["enabled"] = control->isEnabled();
            entry["value"] = control->intValue();
            entry["text"] = control->stringValue();
            if (const platform::ui::WidgetOwner* owner = control->owner()) {
                entry["class"] = std::string(owner->ControlClassName());
                entry["keyword"] = owner->ControlPPDKeyword().value_or("");
            }
            if (control->kind() == platform::ui::WidgetKind::PopUp) {
                entry["selected"] = control->indexOfSelectedItem();
                nlohmann::json items = nlohmann::json::array();
                const auto& buttons = control->ItemButtons();
                for (int i = 0; i < control->numberOfItems(); ++i) {
                    const platform::ui::MenuItem item = control->itemAtIndex(i);
                    nlohmann::json shown = {
                        {"title", item.title}, {"key", item.representedObject}, {"enabled", item.enabled}};
                    const bool open =
                        control->Popover() != nullptr && gtk_widget_get_mapped(control->Popover());
                    if (open && static_cast<size_t>(i) < buttons.size())
                        if (std::optional<nlohmann::json> at = ScreenRect(buttons[static_cast<size_t>(i)]))
                            shown["at"] = *at;
                    items.push_back(std::move(shown));
                }
                entry["items"] = std::move(items);
            }
            if (control->kind() == platform::ui::WidgetKind::Stepper) {
                if (std::optional<nlohmann::json> up = ScreenRect(control->UpArrow())) entry["up"] = *up;
                if (std::optional<nlohmann::json> down = ScreenRect(control->DownArrow()))
                    entry["down"] = *down;
            }
            controls.push_back(std::move(entry));
        }
    }
    nlohmann::json named = nlohmann::json::array();
    for (const auto& [name, widget] : session_.Named()) {
        std::optional<nlohmann::json> place = ScreenRect(widget);
        if (!place) continue;
        nlohmann::json entry = *place;
        entry["name"] = name;
        entry["window"] = WindowTitle(widget);
        entry["enabled"] = static_cast<bool>(gtk_widget_is_sensitive(widget));
        named.push_back(std::move(entry));
    }
    return nlohmann::json{{"controls", std::move(controls)}, {"named", std::move(named)}}.dump();
}

gboolean WidgetMap::Tick(gpointer self)
{
    auto* map = static_cast<WidgetMap*>(self);
    const std::string now = map->Describe();
    if (now == map->written_) return G_SOURCE_CONTINUE;
    map->written_ = now;
    nlohmann::json document = nlohmann::json::parse(now);
    document["sequence"] = ++map->sequence_;
    const std::string partial = map->path_ + ".partial";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out << document.dump() << "\n";
    }
    std::rename(partial.c_str(), map->path_.c_str());
    return G_SOURCE_CONTINUE;
}

} // namespace host
