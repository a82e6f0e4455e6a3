// The widget toolkit on a GTK 4 screen: the same interface the headless
// toolkit stands behind, with views, windows and alerts a person sees and
// acts on. Each control keeps its state in a headless widget (the reference
// model), so the panels behave the same with or without a screen. Modal
// windows and alerts run a nested main loop and return when they are closed.
// Text is measured with Pango in the window's font.
#pragma once

#include <memory>

#include "host/gtk/ScreenSession.h"
#include "platform/HostServices.h"
#include "platform/ui/Toolkit.h"

namespace host {

class GtkToolkit : public platform::ui::Toolkit {
public:
    // GTK must be initialised; the services ring the beep (null for none).
    explicit GtkToolkit(platform::HostServices* services);
    ~GtkToolkit() override;
    GtkToolkit(const GtkToolkit&) = delete;
    GtkToolkit& operator=(const GtkToolkit&) = delete;

    ScreenSession& Session() const { return *session_; }

    std::unique_ptr<platform::ui::View> createView(const platform::ui::Rect& frame) override;
    std::unique_ptr<platform::ui::View> loadView(const platform::Bundle& bundle, std::string_view layoutName,
                                                 std::string_view table) override;
    std::unique_ptr<platform::ui::Window>
    createWindow(std::string_view title, const platform::ui::Rect& frame, platform::ui::View* owner) override;
    std::unique_ptr<platform::ui::Window> loadWindow(const platform::Bundle& bundle,
                                                     std::string_view layoutName, std::string_view table,
                                                     platform::ui::View* owner) override;
    int runAlert(const platform::ui::Alert& alert) override;
    double textWidth(std::string_view text) const override;

private:
    std::shared_ptr<ScreenSession> session_;
    GtkWidget* measure_; // a label whose Pango context measures text
};

} // namespace host
