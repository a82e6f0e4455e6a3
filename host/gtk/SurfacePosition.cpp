#include "host/gtk/SurfacePosition.h"

#include <gdk/x11/gdkx.h>

namespace host {

bool SurfaceRootPosition(GdkSurface* surface, int& x, int& y)
{
    if (surface == nullptr || !GDK_IS_X11_SURFACE(surface)) return false;
    Display* display = gdk_x11_display_get_xdisplay(gdk_surface_get_display(surface));
    ::Window child = 0;
    return XTranslateCoordinates(display, gdk_x11_surface_get_xid(surface), DefaultRootWindow(display), 0, 0,
                                 &x, &y, &child) != 0;
}

} // namespace host
