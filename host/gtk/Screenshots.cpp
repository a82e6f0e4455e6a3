#include "host/gtk/Screenshots.h"

#include <chrono>
#include <filesystem>

#include "host/gtk/GtkModalWindow.h"

namespace host {

namespace {

// Lets GTK lay out and draw what was just shown.
void Settle(GtkWidget* widget)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while ((!gtk_widget_get_mapped(widget) || gtk_widget_get_width(widget) == 0) &&
           std::chrono::steady_clock::now() < deadline)
        g_main_context_iteration(nullptr, FALSE);
    const auto quiet = std::chrono::steady_clock::now() + std::chrono::milliseconds(150);
    while (std::chrono::steady_clock::now() < quiet)
        if (!g_main_context_iteration(nullptr, FALSE)) g_usleep(5000);
}

// "01", "02", ...: file names that sort in the order they were taken.
std::string Number(int n)
{
    std::string text = std::to_string(n);
    return text.size() < 2 ? "0" + text : text;
}

// A file name part from a title: letters and digits kept, the rest one dash.
std::string Slug(const std::string& title)
{
    std::string slug;
    for (const unsigned char c : title) {
        if (std::isalnum(c) != 0)
            slug += static_cast<char>(std::tolower(c));
        else if (!slug.empty() && slug.back() != '-')
            slug += '-';
    }
    while (!slug.empty() && slug.back() == '-') slug.pop_back();
    return slug.empty() ? "untitled" : slug;
}

bool SavePng(GtkWidget* widget, const std::string& path)
{
    const int width = gtk_widget_get_width(widget);
    const int height = gtk_widget_get_height(widget);
    GtkNative* native = gtk_widget_get_native(widget);
    if (width <= 0 || height <= 0 || native == nullptr) return false;
    GdkPaintable* paintable = gtk_widget_paintable_new(widget);
    GtkSnapshot* snapshot = gtk_snapshot_new();
    gdk_paintable_snapshot(paintable, snapshot, width, height);
    GskRenderNode* node = gtk_snapshot_free_to_node(snapshot);
    g_object_unref(paintable);
    if (node == nullptr) return false;
    const graphene_rect_t area =
        GRAPHENE_RECT_INIT(0, 0, static_cast<float>(width), static_cast<float>(height));
    GdkTexture* texture = gsk_renderer_render_texture(gtk_native_get_renderer(native), node, &area);
    gsk_render_node_unref(node);
    const bool saved = texture != nullptr && gdk_texture_save_to_png(texture, path.c_str());
    if (texture != nullptr) g_object_unref(texture);
    return saved;
}

void CollectWindows(platform::ui::View& view, std::vector<GtkModalWindow*>& windows)
{
    for (platform::ui::Window* window : view.windows()) {
        if (auto* shown = dynamic_cast<GtkModalWindow*>(window)) windows.push_back(shown);
        CollectWindows(window->contentView(), windows);
    }
}

} // namespace

std::vector<std::string> TakeScreenshots(DialogWindow& dialog, const std::string& folder, std::string& error)
{
    std::error_code made;
    std::filesystem::create_directories(folder, made);
    std::vector<std::string> files;
    const auto save = [&](GtkWidget* widget, const std::string& name) {
        const std::string path = folder + "/" + name + ".png";
        if (!SavePng(widget, path)) {
            error = "cannot draw or write " + path;
            return false;
        }
        files.push_back(path);
        return true;
    };
    GtkWidget* main = GTK_WIDGET(dialog.Window());
    gtk_window_present(dialog.Window());
    for (int pane = 0; pane < dialog.PaneCount(); ++pane) {
        dialog.SelectPane(pane);
        Settle(main);
        if (!save(main, "pane-" + Number(pane + 1) + "-" + Slug(dialog.PaneTitle(pane)))) return {};
    }
    if (PrinterSetup* setup = dialog.Setup()) {
        for (DialogPanel& panel : setup->Panels().Panels()) {
            if (panel.view == nullptr) continue;
            std::vector<GtkModalWindow*> windows;
            CollectWindows(*panel.view, windows);
            int count = 0;
            for (GtkModalWindow* window : windows) {
                window->Present();
                Settle(GTK_WIDGET(window->Gtk()));
                const bool saved =
                    save(GTK_WIDGET(window->Gtk()),
                         "window-" + Slug(panel.name) + "-" + Number(++count) + "-" + Slug(window->title()));
                window->Hide();
                if (!saved) return {};
            }
        }
    }
    return files;
}

} // namespace host
