// One on-screen control of the widget model: the stand-in for the AppKit
// controls the panels drive (NSControl, NSPopUpButton, NSButton, NSStepper,
// NSTextField, NSBox). The toolkit behind it (headless or a real window
// system) owns it; the framework keeps plain pointers.
//
// Every widget answers every operation; operations that mean nothing for its
// kind (a menu on a check box) do nothing and answer 0 or empty, as an
// Objective-C message to a control without that method's state would.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "platform/ui/Geometry.h"
#include "platform/ui/TextFormatter.h"
#include "platform/ui/WidgetOwner.h"

namespace platform::ui {

enum class WidgetKind {
    Box,        // group box with a title (NSBox)
    StaticText, // label (non-editable NSTextField)
    TextField,  // editable text (NSTextField)
    PopUp,      // NSPopUpButton
    CheckBox,   // switch button (NSButton, NSSwitchButton)
    Radio,      // radio button (NSButton, NSRadioButton)
    PushButton, // NSButton
    Stepper,    // NSStepper
    Image,      // NSImageView
    View,       // a plain subview
};

enum class TextColor { Black, LightGray };

struct MenuItem {
    std::string title;
    std::string representedObject; // the item's key
    bool enabled = true;
};

class Widget {
public:
    virtual ~Widget() = default;

    virtual WidgetKind kind() const = 0;
    // The outlet name it had in its layout; empty for a widget made in code.
    virtual const std::string& outletName() const = 0;

    virtual int tag() const = 0;
    virtual void setTag(int tag) = 0;
    virtual bool isEnabled() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool isHidden() const = 0;
    virtual void setHidden(bool hidden) = 0;

    // Integer value: a check box's or radio's state (0 or 1), a stepper's value.
    virtual int intValue() const = 0;
    virtual void setIntValue(int value) = 0;
    // Text of a field (UTF-8).
    virtual std::string stringValue() const = 0;
    virtual void setStringValue(std::string_view text) = 0;
    // Title of a button, box or label (UTF-8), with the localisation key it
    // came from (empty when set from a text that had none).
    virtual std::string title() const = 0;
    virtual void setTitle(std::string_view title) = 0;
    virtual std::string titleKey() const = 0;
    virtual void setTitleKey(std::string_view key) = 0;
    virtual TextColor textColor() const = 0;
    virtual void setTextColor(TextColor color) = 0;
    virtual Rect frame() const = 0;
    virtual void setFrame(const Rect& frame) = 0;

    // Text fields: the formatter every keystroke passes through (not owned).
    virtual TextFormatter* formatter() const = 0;
    virtual void setFormatter(TextFormatter* formatter) = 0;
    // Makes this widget its window's first responder (keyboard focus).
    virtual void makeFirstResponder() = 0;

    // Pop-up buttons. Items are enabled or disabled only by the program
    // (automatic enabling is what setAutoenablesItems(false) turns off).
    virtual void setAutoenablesItems(bool autoenables) = 0;
    virtual void removeAllItems() = 0;
    virtual void addItem(std::string_view title, std::string_view representedObject) = 0;
    virtual int numberOfItems() const = 0;
    // A copy of the item; an empty item outside the menu.
    virtual MenuItem itemAtIndex(int index) const = 0;
    virtual void setItemEnabled(int index, bool enabled) = 0;
    virtual void setItemTitle(int index, std::string_view title) = 0;
    // -1 selects nothing; an index outside the menu changes nothing.
    virtual void selectItemAtIndex(int index) = 0;
    // -1 when nothing is selected.
    virtual int indexOfSelectedItem() const = 0;

    // Steppers.
    virtual int minValue() const = 0;
    virtual int maxValue() const = 0;
    virtual void setMinValue(int value) = 0;
    virtual void setMaxValue(int value) = 0;

    // Target and action: called when a person acts on the widget (a click,
    // a choice, a step, a committed text). sendAction calls it, as the
    // toolkit does after applying the person's change.
    virtual void setAction(std::function<void()> action) = 0;
    virtual void sendAction() = 0;

    // The framework control this widget belongs to, or null (not owned).
    virtual WidgetOwner* owner() const = 0;
    virtual void setOwner(WidgetOwner* owner) = 0;
};

} // namespace platform::ui
