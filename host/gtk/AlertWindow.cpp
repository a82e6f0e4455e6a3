#include "host/gtk/AlertWindow.h"

#include <string>
#include <utility>
#include <vector>

#include "host/gtk/ModalLoop.h"

namespace host {

namespace {

struct AlertRun {
    ModalLoop loop;
    int answer = platform::ui::kAlertFirstButtonReturn;
};

constexpr const char* kButtonIndexKey = "qv-button-index";
constexpr int kIconSize = 64;

void ButtonPressed(GtkButton* button, gpointer data)
{
    auto* run = static_cast<AlertRun*>(data);
    run->answer = GPOINTER_TO_INT(g_object_get_data(G_OBJECT(button), kButtonIndexKey));
    run->loop.Quit();
}

gboolean RefuseClose(GtkWindow*, gpointer) { return TRUE; }

GtkWidget* WrappedLabel(const std::string& text, bool bold)
{
    GtkWidget* label = gtk_label_new(text.c_str());
    gtk_label_set_wrap(GTK_LABEL(label), TRUE);
    gtk_label_set_max_width_chars(GTK_LABEL(label), 50);
    gtk_label_set_xalign(GTK_LABEL(label), 0);
    if (bold) gtk_widget_add_css_class(label, "heading");
    return label;
}

} // namespace

int RunAlertWindow(ScreenSession& session, const platform::ui::Alert& alert)
{
    AlertRun run;
    GtkWindow* window = GTK_WINDOW(gtk_window_new());
    g_object_ref_sink(window);
    gtk_window_set_title(window, alert.messageText.empty() ? "Alert" : alert.messageText.c_str());
    gtk_window_set_modal(window, TRUE);
    gtk_window_set_resizable(window, FALSE);
    gtk_window_set_transient_for(window, session.ParentWindow());
    g_signal_connect(window, "close-request", G_CALLBACK(RefuseClose), nullptr);

    // The widget map names the icon and the texts too, so a test sees what
    // the alert shows.
    std::vector<GtkWidget*> named;
    GtkWidget* body = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 16);
    gtk_widget_add_css_class(body, "qv-alert");
    if (!alert.iconPath.empty()) {
        GtkWidget* icon = gtk_image_new_from_file(alert.iconPath.c_str());
        gtk_image_set_pixel_size(GTK_IMAGE(icon), kIconSize);
        gtk_widget_set_valign(icon, GTK_ALIGN_START);
        gtk_box_append(GTK_BOX(body), icon);
        session.Name("alert-icon", icon);
        named.push_back(icon);
    }
    GtkWidget* texts = gtk_box_new(GTK_ORIENTATION_VERTICAL, 8);
    for (const auto& [text, bold] :
         {std::pair{alert.messageText, true}, std::pair{alert.informativeText, false}}) {
        if (text.empty()) continue;
        GtkWidget* label = WrappedLabel(text, bold);
        gtk_box_append(GTK_BOX(texts), label);
        session.Name("alert-text:" + text, label);
        named.push_back(label);
    }
    GtkWidget* buttons = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 8);
    gtk_widget_set_halign(buttons, GTK_ALIGN_END);
    std::vector<std::string> titles = alert.buttonTitles;
    if (titles.empty()) titles.push_back("OK");
    std::vector<GtkWidget*> made;
    for (int i = static_cast<int>(titles.size()) - 1; i >= 0; --i) {
        GtkWidget* button = gtk_button_new_with_label(titles[static_cast<size_t>(i)].c_str());
        g_object_set_data(G_OBJECT(button), kButtonIndexKey, GINT_TO_POINTER(i));
        g_signal_connect(button, "clicked", G_CALLBACK(ButtonPressed), &run);
        if (i == 0) gtk_widget_add_css_class(button, "suggested-action");
        gtk_box_append(GTK_BOX(buttons), button);
        session.Name("alert-button:" + titles[static_cast<size_t>(i)], button);
        made.push_back(button);
    }
    gtk_box_append(GTK_BOX(texts), buttons);
    gtk_widget_set_hexpand(texts, TRUE);
    gtk_box_append(GTK_BOX(body), texts);
    gtk_window_set_child(window, body);
    gtk_window_set_default_widget(window, made.back());

    gtk_window_present(window);
    session.EnterModal(window);
    run.loop.Run();
    session.LeaveModal(window);
    for (GtkWidget* button : made) {
        session.Unname(button);
        g_signal_handlers_disconnect_by_data(button, &run);
    }
    for (GtkWidget* widget : named) session.Unname(widget);
    gtk_window_destroy(window);
    g_object_unref(window);
    return run.answer;
}

} // namespace host
