// What a person can do to a widget, done the way the toolkit would: the
// widget changes as the person's gesture changes it, then its action is sent.
// A gesture a person could not make (on a disabled or hidden widget, or a
// disabled menu item) is refused and changes nothing; one that means nothing
// for the widget (a wrong kind, an item that is not there) is invalid.
#pragma once

#include <string_view>

#include "platform/ui/Widget.h"

namespace host {

enum class ActionOutcome { Done, Refused, Invalid };

// "done", "refused" or "invalid", for reports.
std::string_view ActionOutcomeName(ActionOutcome outcome);

// A push button sends its action; a check box toggles; a radio button turns
// on (even when it was on already, as a click does).
ActionOutcome Click(platform::ui::Widget& widget);

// A check box set on or off; the action is sent only when the state changes,
// as a click on a box that already shows the wanted state is never made.
ActionOutcome SetCheck(platform::ui::Widget& widget, bool on);

// A pop-up's item chosen by its index.
ActionOutcome Choose(platform::ui::Widget& widget, int index);

enum class StepDirection { Up, Down };
// A stepper's arrow: the value moves by one, held to the stepper's range.
ActionOutcome Step(platform::ui::Widget& widget, StepDirection direction);

// A text field typed into: it takes the focus, its text starts empty and each
// character (UTF-8, one code point at a time) goes through the field's
// formatter, which may refuse it (the character is then dropped). The text is
// then committed: the field gives up the focus and sends its action. Invalid
// UTF-8 is invalid.
ActionOutcome Type(platform::ui::Widget& widget, std::string_view text);

} // namespace host
