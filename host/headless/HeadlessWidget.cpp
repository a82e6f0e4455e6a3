#include "host/headless/HeadlessWidget.h"

#include <charconv>
#include <climits>

#include "host/headless/HeadlessView.h"

namespace host {

using platform::ui::WidgetKind;

namespace {

// The integer at the start of a text as NSString's intValue reads it:
// leading spaces skipped, an optional sign, then digits; 0 without digits,
// INT_MAX or INT_MIN when the number does not fit.
int LeadingInteger(std::string_view text)
{
    size_t pos = text.find_first_not_of(" \t\n");
    if (pos == std::string_view::npos) return 0;
    bool negative = false;
    if (text[pos] == '+' || text[pos] == '-') negative = text[pos++] == '-';
    long long value = 0;
    const char* first = text.data() + pos;
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (end == first) return 0;
    if (error == std::errc::result_out_of_range || value > INT_MAX) return negative ? INT_MIN : INT_MAX;
    return static_cast<int>(negative ? -value : value);
}

} // namespace

HeadlessWidget::HeadlessWidget(HeadlessView& view, WidgetKind kind, const platform::ui::Rect& frame,
                               std::string outletName)
    : view_(view), kind_(kind), outletName_(std::move(outletName)), frame_(frame)
{}

bool HeadlessWidget::IsText() const
{
    return kind_ == WidgetKind::TextField || kind_ == WidgetKind::StaticText;
}

int HeadlessWidget::intValue() const
{
    if (IsText()) return LeadingInteger(text_);
    if (IsPopUp()) return selected_;
    return value_;
}

void HeadlessWidget::setIntValue(int value)
{
    if (IsText()) {
        text_ = std::to_string(value);
    } else if (IsPopUp()) {
        selectItemAtIndex(value);
    } else if (kind_ == WidgetKind::CheckBox || kind_ == WidgetKind::Radio) {
        value_ = value != 0 ? 1 : 0;
    } else {
        value_ = value;
    }
}

std::string HeadlessWidget::stringValue() const { return text_; }

void HeadlessWidget::setStringValue(std::string_view text) { text_ = text; }

void HeadlessWidget::makeFirstResponder() { view_.SetFirstResponder(this); }

void HeadlessWidget::ResignFirstResponder()
{
    if (view_.FirstResponder() == this) view_.SetFirstResponder(nullptr);
}

void HeadlessWidget::setAutoenablesItems(bool autoenables)
{
    if (IsPopUp()) autoenablesItems_ = autoenables;
}

void HeadlessWidget::removeAllItems()
{
    items_.clear();
    selected_ = -1;
}

void HeadlessWidget::addItem(std::string_view title, std::string_view representedObject)
{
    if (!IsPopUp()) return;
    items_.push_back({std::string(title), std::string(representedObject), true});
    if (selected_ < 0) selected_ = 0;
}

platform::ui::MenuItem HeadlessWidget::itemAtIndex(int index) const
{
    return IsItem(index) ? items_[static_cast<size_t>(index)] : platform::ui::MenuItem{{}, {}, false};
}

void HeadlessWidget::setItemEnabled(int index, bool enabled)
{
    if (IsItem(index)) items_[static_cast<size_t>(index)].enabled = enabled;
}

void HeadlessWidget::setItemTitle(int index, std::string_view title)
{
    if (IsItem(index)) items_[static_cast<size_t>(index)].title = title;
}

void HeadlessWidget::selectItemAtIndex(int index)
{
    if (index == -1 || IsItem(index)) selected_ = index;
}

void HeadlessWidget::setMinValue(int value)
{
    if (IsStepper()) minValue_ = value;
}

void HeadlessWidget::setMaxValue(int value)
{
    if (IsStepper()) maxValue_ = value;
}

void HeadlessWidget::sendAction()
{
    // The action may replace itself (a control re-initialised by its own
    // action sets a new one); the copy keeps the running callable alive.
    if (!action_) return;
    const std::function<void()> action = action_;
    action();
}

} // namespace host
