// Where a GDK surface's top left corner is in root-window pixels. Kept apart
// because the X11 headers define macros (None, Status, Bool) that clash with
// ordinary C++ names.
#pragma once

#include <gtk/gtk.h>

namespace host {

// False when the surface is not on an X11 display.
bool SurfaceRootPosition(GdkSurface* surface, int& x, int& y);

} // namespace host
