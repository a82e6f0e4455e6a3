// What the GTK toolkit, its views and its windows share: the headless session
// their widget models record into, the host's services (the beep), the
// windows running modally (the innermost is the parent of the next one) and
// the views alive (for the widget map). Views and windows hold it jointly
// with the toolkit, so whichever goes first the others still reach it.
#pragma once

#include <gtk/gtk.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "host/headless/HeadlessSession.h"
#include "platform/HostServices.h"

namespace host {

class GtkPanelView;

class ScreenSession {
public:
    explicit ScreenSession(platform::HostServices* services)
        : models_(std::make_shared<HeadlessSession>(services)), services_(services)
    {}

    const std::shared_ptr<HeadlessSession>& Models() const { return models_; }
    void Beep() const
    {
        if (services_ != nullptr) services_->Beep();
    }

    // The window new modal windows and alerts are put above: the innermost
    // modal window, else the dialog's main window (null before it exists).
    GtkWindow* ParentWindow() const { return modal_.empty() ? main_ : modal_.back(); }
    void SetMainWindow(GtkWindow* window) { main_ = window; }
    // While a window runs modally the one below it takes no input: GTK
    // does not hold a person to a modal window on every display.
    void EnterModal(GtkWindow* window)
    {
        if (GtkWindow* below = ParentWindow()) gtk_widget_set_sensitive(GTK_WIDGET(below), FALSE);
        modal_.push_back(window);
    }
    void LeaveModal(GtkWindow* window)
    {
        std::erase(modal_, window);
        if (GtkWindow* below = ParentWindow()) gtk_widget_set_sensitive(GTK_WIDGET(below), TRUE);
    }

    void AddView(GtkPanelView* view) { views_.push_back(view); }
    void RemoveView(GtkPanelView* view) { std::erase(views_, view); }
    const std::vector<GtkPanelView*>& Views() const { return views_; }

    // Widgets of the host's own (the printer chooser, the pane list, Print,
    // an alert's buttons) listed by name in the widget map while they exist.
    void Name(std::string name, GtkWidget* widget) { named_.emplace_back(std::move(name), widget); }
    void Unname(GtkWidget* widget)
    {
        std::erase_if(named_, [widget](const auto& entry) { return entry.second == widget; });
    }
    const std::vector<std::pair<std::string, GtkWidget*>>& Named() const { return named_; }

private:
    std::shared_ptr<HeadlessSession> models_;
    platform::HostServices* services_;
    GtkWindow* main_ = nullptr;
    std::vector<GtkWindow*> modal_;
    std::vector<GtkPanelView*> views_;
    std::vector<std::pair<std::string, GtkWidget*>> named_;
};

} // namespace host
