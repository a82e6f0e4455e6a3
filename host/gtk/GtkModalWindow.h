// A window on the screen run modally: runModal presents it above the window
// in front (the dialog, or the window that opened it) and runs a nested main
// loop until stopModal or close; the window stays shown after stopModal until
// it is closed. The title bar's close button does nothing: these windows end
// through their own buttons, which the panels handle. Runs nest.
#pragma once

#include <gtk/gtk.h>

#include <memory>
#include <string>

#include "host/gtk/GtkPanelView.h"
#include "host/gtk/ModalLoop.h"
#include "host/gtk/ScreenSession.h"
#include "platform/ui/Window.h"

namespace host {

class GtkModalWindow : public platform::ui::Window {
public:
    // Listed under `owner` (when given) until destroyed.
    GtkModalWindow(std::shared_ptr<ScreenSession> session, std::string_view title,
                   const platform::ui::Rect& frame, GtkPanelView* owner);
    ~GtkModalWindow() override;
    GtkModalWindow(const GtkModalWindow&) = delete;
    GtkModalWindow& operator=(const GtkModalWindow&) = delete;

    std::string title() const override { return title_; }
    void setTitle(std::string_view title) override;
    platform::ui::View& contentView() override { return *content_; }
    void runModal() override;
    void stopModal() override;
    void close() override;
    bool isOpen() const override { return open_; }
    platform::ui::Widget* firstResponder() const override;

    // What the window side asks.
    GtkWindow* Gtk() const { return window_; }
    GtkPanelView& Content() const { return *content_; }
    // Shows the window without a modal run (for a screenshot); Hide takes it away.
    void Present();
    void Hide();
    void DetachFromOwner() { owner_ = nullptr; }

private:
    std::shared_ptr<ScreenSession> session_;
    std::string title_;
    std::unique_ptr<GtkPanelView> content_;
    GtkPanelView* owner_;
    GtkWindow* window_;
    ModalLoop* loop_ = nullptr; // the run going on
    bool open_ = false;
};

} // namespace host
