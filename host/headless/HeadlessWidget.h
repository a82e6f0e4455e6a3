// A widget without a screen: it records every property the framework sets,
// so the host can report it and a test can look at it, and behaves as the
// AppKit control of its kind does where the framework relies on it:
// - a check box or radio holds 0 or 1 (any other integer turns it on);
// - a text field's integer value is its text read as a decimal number;
// - a pop-up selects its first item when the first item is added to an
//   empty menu and selects nothing (-1) when the menu is emptied;
// - a stepper starts with the range 0 to 59 and keeps whatever value it is
//   given (only a person's step is held to the range).
// Menu operations mean something only on a pop-up and the range only on a
// stepper; on other kinds they do nothing and answer 0 or empty.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/ui/Widget.h"

namespace host {

class HeadlessView;

class HeadlessWidget : public platform::ui::Widget {
public:
    HeadlessWidget(HeadlessView& view, platform::ui::WidgetKind kind, const platform::ui::Rect& frame,
                   std::string outletName);
    HeadlessWidget(const HeadlessWidget&) = delete;
    HeadlessWidget& operator=(const HeadlessWidget&) = delete;

    platform::ui::WidgetKind kind() const override { return kind_; }
    const std::string& outletName() const override { return outletName_; }

    int tag() const override { return tag_; }
    void setTag(int tag) override { tag_ = tag; }
    bool isEnabled() const override { return enabled_; }
    void setEnabled(bool enabled) override { enabled_ = enabled; }
    bool isHidden() const override { return hidden_; }
    void setHidden(bool hidden) override { hidden_ = hidden; }

    int intValue() const override;
    void setIntValue(int value) override;
    std::string stringValue() const override;
    void setStringValue(std::string_view text) override;
    std::string title() const override { return title_; }
    void setTitle(std::string_view title) override { title_ = title; }
    std::string titleKey() const override { return titleKey_; }
    void setTitleKey(std::string_view key) override { titleKey_ = key; }
    platform::ui::TextColor textColor() const override { return textColor_; }
    void setTextColor(platform::ui::TextColor color) override { textColor_ = color; }
    platform::ui::Rect frame() const override { return frame_; }
    void setFrame(const platform::ui::Rect& frame) override { frame_ = frame; }

    platform::ui::TextFormatter* formatter() const override { return formatter_; }
    void setFormatter(platform::ui::TextFormatter* formatter) override { formatter_ = formatter; }
    void makeFirstResponder() override;

    void setAutoenablesItems(bool autoenables) override;
    void removeAllItems() override;
    void addItem(std::string_view title, std::string_view representedObject) override;
    int numberOfItems() const override { return static_cast<int>(items_.size()); }
    platform::ui::MenuItem itemAtIndex(int index) const override;
    void setItemEnabled(int index, bool enabled) override;
    void setItemTitle(int index, std::string_view title) override;
    void selectItemAtIndex(int index) override;
    int indexOfSelectedItem() const override { return selected_; }

    int minValue() const override { return IsStepper() ? minValue_ : 0; }
    int maxValue() const override { return IsStepper() ? maxValue_ : 0; }
    void setMinValue(int value) override;
    void setMaxValue(int value) override;

    void setAction(std::function<void()> action) override { action_ = std::move(action); }
    void sendAction() override;

    platform::ui::WidgetOwner* owner() const override { return owner_; }
    void setOwner(platform::ui::WidgetOwner* owner) override { owner_ = owner; }

    // What only the headless side asks.
    HeadlessView& ContainingView() const { return view_; }
    bool AutoenablesItems() const { return autoenablesItems_; }
    bool HasAction() const { return static_cast<bool>(action_); }
    // Gives up the keyboard focus if this widget has it.
    void ResignFirstResponder();

private:
    bool IsPopUp() const { return kind_ == platform::ui::WidgetKind::PopUp; }
    bool IsStepper() const { return kind_ == platform::ui::WidgetKind::Stepper; }
    bool IsText() const;
    bool IsItem(int index) const { return index >= 0 && index < numberOfItems(); }

    HeadlessView& view_;
    platform::ui::WidgetKind kind_;
    std::string outletName_;
    int tag_ = 0;
    bool enabled_ = true;
    bool hidden_ = false;
    int value_ = 0;
    std::string text_;
    std::string title_;
    std::string titleKey_;
    platform::ui::TextColor textColor_ = platform::ui::TextColor::Black;
    platform::ui::Rect frame_;
    platform::ui::TextFormatter* formatter_ = nullptr;
    bool autoenablesItems_ = true;
    std::vector<platform::ui::MenuItem> items_;
    int selected_ = -1;
    int minValue_ = 0;
    int maxValue_ = 59;
    std::function<void()> action_;
    platform::ui::WidgetOwner* owner_ = nullptr;
};

} // namespace host
