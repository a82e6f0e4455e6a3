// Frames in the panels' coordinates: points, origin at the top left of the
// containing view, y growing downwards (rows of a panel are laid out top to
// bottom).
#pragma once

namespace platform::ui {

struct Rect {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
    bool operator==(const Rect&) const = default;
};

} // namespace platform::ui
