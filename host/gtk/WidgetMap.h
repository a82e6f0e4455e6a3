// Where things are on the screen, for tests that drive the dialog with real
// input events (xdotool under Xvfb): with QV_WIDGET_MAP naming a file, the
// dialog rewrites that file (atomically) whenever what is shown changes. It
// lists, in root-window pixels, every control shown (its window's title, tag,
// outlet, kind, title, framework class and PPD keyword, enabled flag, value,
// selected item, a pop-up's items, placed while its menu is open) and the host's own named widgets (the
// printer chooser, the pane list, Print, Cancel, an alert's buttons). The test finds a place to click in it;
// the clicks and keys are the X server's. X11 only: other displays get no map.
#pragma once

#include <string>

#include "host/gtk/ScreenSession.h"

namespace host {

class WidgetMap {
public:
    // Starts the updates when `path` is not empty.
    WidgetMap(const ScreenSession& session, std::string path);
    ~WidgetMap();
    WidgetMap(const WidgetMap&) = delete;
    WidgetMap& operator=(const WidgetMap&) = delete;

    // The map as it stands now (JSON text).
    std::string Describe() const;

private:
    static gboolean Tick(gpointer self);

    const ScreenSession& session_;
    std::string path_;
    std::string written_;
    guint timer_ = 0;
    long sequence_ = 0;
};

} // namespace host
