// A view on the screen: a GtkFixed holding its controls at their frames (one
// point is one pixel), with a headless view beside it holding the controls'
// state. It lists the windows made with it as their owner while they exist.
// The container is the view's own: whoever shows it (the dialog's pane
// stack, a window) takes it out again before the view goes.
#pragma once

#include <gtk/gtk.h>

#include <memory>
#include <vector>

#include "host/gtk/GtkControl.h"
#include "host/gtk/ScreenSession.h"
#include "host/headless/HeadlessView.h"
#include "platform/ui/View.h"

namespace host {

class GtkModalWindow;

class GtkPanelView : public platform::ui::View {
public:
    GtkPanelView(std::shared_ptr<ScreenSession> session, const platform::ui::Rect& frame,
                 GtkModalWindow* window = nullptr);
    ~GtkPanelView() override;
    GtkPanelView(const GtkPanelView&) = delete;
    GtkPanelView& operator=(const GtkPanelView&) = delete;

    platform::ui::Rect frame() const override { return model_.frame(); }
    void setFrame(const platform::ui::Rect& frame) override;
    platform::ui::Widget* addWidget(platform::ui::WidgetKind kind, const platform::ui::Rect& frame,
                                    std::string_view outletName = {}) override;
    std::vector<platform::ui::Widget*> widgets() const override;
    platform::ui::Widget* widgetForOutlet(std::string_view outletName) const override;
    platform::ui::Widget* viewWithTag(int tag) const override;
    std::vector<platform::ui::Window*> windows() const override;

    // What the window side asks.
    GtkWidget* Root() const { return root_; }
    GtkModalWindow* ContainingWindow() const { return window_; }
    const std::vector<std::unique_ptr<GtkControl>>& Controls() const { return controls_; }
    // The control with the keyboard focus, as the models keep it; null for none.
    GtkControl* FirstResponder() const;
    void AdoptWindow(GtkModalWindow* window) { windows_.push_back(window); }
    void ForgetWindow(GtkModalWindow* window) { std::erase(windows_, window); }

private:
    std::shared_ptr<ScreenSession> session_;
    HeadlessView model_;
    GtkWidget* root_; // a GtkFixed, referenced by this view
    GtkModalWindow* window_;
    std::vector<std::unique_ptr<GtkControl>> controls_;
    std::vector<GtkModalWindow*> windows_;
};

} // namespace host
