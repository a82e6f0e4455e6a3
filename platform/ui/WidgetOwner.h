// What a widget can tell the host about the framework control it belongs to:
// its class (without the bundle's prefix), its PPD option, its Features page
// and the value it stores. The host reads these for its snapshot and for
// finding controls by class; the widget never owns its owner.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace platform::ui {

// A control's stored value: nothing, an integer or a text.
using StoredValue = std::variant<std::monostate, long long, std::string>;

class WidgetOwner {
public:
    virtual std::string_view ControlClassName() const = 0;
    // The PPD option keyword of a PPD-bound control; nothing otherwise.
    virtual std::optional<std::string> ControlPPDKeyword() const = 0;
    // The page of the Features panel (ctrlInWhichGroup); -1 for none.
    virtual int ControlGroup() const = 0;
    virtual StoredValue ControlStoredValue() const = 0;

protected:
    ~WidgetOwner() = default;
};

} // namespace platform::ui
