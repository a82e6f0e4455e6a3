// A view: the container a panel shows in the print dialog, or a window's
// content. It owns its widgets, kept in creation order (layout order first,
// then those added in code).
#pragma once

#include <string_view>
#include <vector>

#include "platform/ui/Geometry.h"
#include "platform/ui/Widget.h"

namespace platform::ui {

class Window;

class View {
public:
    virtual ~View() = default;

    virtual Rect frame() const = 0;
    virtual void setFrame(const Rect& frame) = 0;

    // A new widget in this view (the toolkit owns it through the view).
    virtual Widget* addWidget(WidgetKind kind, const Rect& frame, std::string_view outletName = {}) = 0;
    virtual std::vector<Widget*> widgets() const = 0;
    // The widget of the layout's outlet; null when there is none.
    virtual Widget* widgetForOutlet(std::string_view outletName) const = 0;
    // The first widget with the tag, in creation order; null when none.
    virtual Widget* viewWithTag(int tag) const = 0;

    // Windows made with this view as their owner that still exist, in
    // creation order (a panel's setup windows, a window's own windows).
    virtual std::vector<Window*> windows() const = 0;
};

} // namespace platform::ui
