// PNG pictures of the dialog as a person sees it: the window with each pane
// shown, then every window the panels registered (their setup windows, and
// the windows those open), each shown in turn. Drawn by GTK's own renderer
// from the widgets, so the pictures do not depend on a window manager.
#pragma once

#include <string>
#include <vector>

#include "host/gtk/DialogWindow.h"

namespace host {

// The files written into `folder`, in order; empty with `error` on failure.
std::vector<std::string> TakeScreenshots(DialogWindow& dialog, const std::string& folder, std::string& error);

} // namespace host
