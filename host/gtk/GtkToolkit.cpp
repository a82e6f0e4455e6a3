#include "host/gtk/GtkToolkit.h"

#include <iostream>
#include <string>

#include "host/gtk/AlertWindow.h"
#include "host/gtk/GtkModalWindow.h"
#include "host/gtk/GtkPanelView.h"
#include "host/headless/LayoutWidgets.h"
#include "platform/ui/Layout.h"

namespace host {

GtkToolkit::GtkToolkit(platform::HostServices* services)
    : session_(std::make_shared<ScreenSession>(services)), measure_(gtk_label_new(nullptr))
{
    g_object_ref_sink(measure_);
}

GtkToolkit::~GtkToolkit() { g_object_unref(measure_); }

std::unique_ptr<platform::ui::View> GtkToolkit::createView(const platform::ui::Rect& frame)
{
    return std::make_unique<GtkPanelView>(session_, frame);
}

std::unique_ptr<platform::ui::View> GtkToolkit::loadView(const platform::Bundle& bundle,
                                                         std::string_view layoutName, std::string_view table)
{
    const std::optional<platform::ui::Layout> layout =
        ReadLayoutOrRecord(bundle, layoutName, *session_->Models(), &std::cerr);
    if (!layout) return nullptr;
    auto view = std::make_unique<GtkPanelView>(session_, layout->frame);
    AddLayoutWidgets(*view, *layout, bundle, table);
    return view;
}

std::unique_ptr<platform::ui::Window>
GtkToolkit::createWindow(std::string_view title, const platform::ui::Rect& frame, platform::ui::View* owner)
{
    return std::make_unique<GtkModalWindow>(session_, title, frame, dynamic_cast<GtkPanelView*>(owner));
}

std::unique_ptr<platform::ui::Window> GtkToolkit::loadWindow(const platform::Bundle& bundle,
                                                             std::string_view layoutName,
                                                             std::string_view table,
                                                             platform::ui::View* owner)
{
    const std::optional<platform::ui::Layout> layout =
        ReadLayoutOrRecord(bundle, layoutName, *session_->Models(), &std::cerr);
    if (!layout) return nullptr;
    const std::string title = LayoutWindowTitle(*layout, bundle, table);
    auto window =
        std::make_unique<GtkModalWindow>(session_, title, layout->frame, dynamic_cast<GtkPanelView*>(owner));
    AddLayoutWidgets(window->contentView(), *layout, bundle, table);
    return window;
}

int GtkToolkit::runAlert(const platform::ui::Alert& alert)
{
    const int answer = RunAlertWindow(*session_, alert);
    const int buttons = static_cast<int>(alert.buttonTitles.size());
    return answer >= 0 && answer < buttons ? answer : platform::ui::kAlertFirstButtonReturn;
}

double GtkToolkit::textWidth(std::string_view text) const
{
    PangoLayout* layout = gtk_widget_create_pango_layout(measure_, nullptr);
    pango_layout_set_text(layout, text.data(), static_cast<int>(text.size()));
    int width = 0;
    int height = 0;
    pango_layout_get_pixel_size(layout, &width, &height);
    g_object_unref(layout);
    return width;
}

} // namespace host
