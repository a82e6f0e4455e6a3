// A layout resource (the original's interface files, e.g. "ZKPrintFeature" or
// "ZKPrintType_Default00"): a property list in a bundle's Resources that
// names the outlets of a view or window, each with its kind, tag, frame and
// title key. The format is described in docs/widget-model.md.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Bundle.h"
#include "platform/ui/Geometry.h"
#include "platform/ui/Widget.h"

namespace platform::ui {

struct LayoutOutlet {
    std::string name;
    WidgetKind kind = WidgetKind::View;
    int tag = 0;
    Rect frame;
    std::string titleKey;              // localisation key of the title; may be empty
    std::vector<std::string> itemKeys; // pop-up items' keys, if the layout gives them
    int minValue = 0;                  // steppers
    int maxValue = 0;
    bool enabled = true;
    bool hidden = false;
};

struct Layout {
    std::string titleKey; // a window's title key; may be empty
    Rect frame;
    std::vector<LayoutOutlet> outlets; // in the order they are created
};

// Parses a layout from a property list's bytes (XML or binary); nothing, with
// a reason in *error when given, when the bytes are not a well-formed layout.
std::optional<Layout> ParseLayout(std::string_view bytes, std::string* error = nullptr);

// Reads "<name>.plist" from the bundle's resources (localised folders first);
// nothing when missing or malformed.
std::optional<Layout> ReadLayout(const Bundle& bundle, std::string_view name, std::string* error = nullptr);

} // namespace platform::ui
