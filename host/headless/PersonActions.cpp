#include "host/headless/PersonActions.h"

#include <algorithm>
#include <optional>
#include <string>

#include "host/headless/HeadlessWidget.h"
#include "platform/TextEncoding.h"

namespace host {

using platform::ui::Widget;
using platform::ui::WidgetKind;

namespace {

bool Reachable(const Widget& widget) { return widget.isEnabled() && !widget.isHidden(); }

// Commits what the gesture changed.
ActionOutcome Act(Widget& widget)
{
    widget.sendAction();
    return ActionOutcome::Done;
}

// The length of the UTF-16 character at text[pos]: a surrogate pair is one
// character.
size_t CharacterLength(std::u16string_view text, size_t pos)
{
    const bool pair = text[pos] >= 0xD800 && text[pos] <= 0xDBFF && pos + 1 < text.size() &&
                      text[pos + 1] >= 0xDC00 && text[pos + 1] <= 0xDFFF;
    return pair ? 2 : 1;
}

} // namespace

std::string_view ActionOutcomeName(ActionOutcome outcome)
{
    switch (outcome) {
    case ActionOutcome::Done: return "done";
    case ActionOutcome::Refused: return "refused";
    case ActionOutcome::Invalid: return "invalid";
    }
    return "invalid";
}

ActionOutcome Click(Widget& widget)
{
    const WidgetKind kind = widget.kind();
    if (kind != WidgetKind::PushButton && kind != WidgetKind::CheckBox && kind != WidgetKind::Radio)
        return ActionOutcome::Invalid;
    if (!Reachable(widget)) return ActionOutcome::Refused;
    if (kind == WidgetKind::CheckBox) widget.setIntValue(widget.intValue() != 0 ? 0 : 1);
    if (kind == WidgetKind::Radio) widget.setIntValue(1);
    return Act(widget);
}

ActionOutcome SetCheck(Widget& widget, bool on)
{
    if (widget.kind() != WidgetKind::CheckBox) return ActionOutcome::Invalid;
    if (!Reachable(widget)) return ActionOutcome::Refused;
    if ((widget.intValue() != 0) == on) return ActionOutcome::Done;
    widget.setIntValue(on ? 1 : 0);
    return Act(widget);
}

ActionOutcome Choose(Widget& widget, int index)
{
    if (widget.kind() != WidgetKind::PopUp) return ActionOutcome::Invalid;
    if (!Reachable(widget)) return ActionOutcome::Refused;
    if (index < 0 || index >= widget.numberOfItems()) return ActionOutcome::Invalid;
    if (!widget.itemAtIndex(index).enabled) return ActionOutcome::Refused;
    widget.selectItemAtIndex(index);
    return Act(widget);
}

ActionOutcome Step(Widget& widget, StepDirection direction)
{
    if (widget.kind() != WidgetKind::Stepper) return ActionOutcome::Invalid;
    if (!Reachable(widget)) return ActionOutcome::Refused;
    long long value = static_cast<long long>(widget.intValue()) + (direction == StepDirection::Up ? 1 : -1);
    value = std::max<long long>(widget.minValue(), std::min<long long>(widget.maxValue(), value));
    widget.setIntValue(static_cast<int>(value));
    return Act(widget);
}

ActionOutcome Type(Widget& widget, std::string_view text)
{
    if (widget.kind() != WidgetKind::TextField) return ActionOutcome::Invalid;
    if (!Reachable(widget)) return ActionOutcome::Refused;
    const std::optional<std::u16string> typed = platform::Utf8ToUtf16(text);
    if (!typed) return ActionOutcome::Invalid;

    widget.makeFirstResponder();
    std::u16string current;
    const platform::ui::TextFormatter* formatter = widget.formatter();
    for (size_t pos = 0; pos < typed->size();) {
        const size_t length = CharacterLength(*typed, pos);
        std::u16string candidate = current + typed->substr(pos, length);
        pos += length;
        if (formatter == nullptr) {
            current = std::move(candidate);
            continue;
        }
        std::u16string edited = candidate;
        std::u16string error;
        if (formatter->isPartialStringValid(candidate, &edited, &error)) current = std::move(edited);
    }
    widget.setStringValue(platform::Utf16ToUtf8(current));
    // Ending the edit moves the focus away before the action runs, so an
    // action that puts the focus back (a refused value) keeps it there.
    if (auto* headless = dynamic_cast<HeadlessWidget*>(&widget)) headless->ResignFirstResponder();
    return Act(widget);
}

} // namespace host
