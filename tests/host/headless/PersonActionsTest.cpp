#include "host/headless/PersonActions.h"

#include <gtest/gtest.h>

#include "host/headless/HeadlessToolkit.h"
#include "host/headless/HeadlessView.h"

namespace host {
namespace {

using platform::ui::Widget;
using platform::ui::WidgetKind;

class PersonActionsTest : public ::testing::Test {
protected:
    // A widget whose action counts and remembers the value it saw.
    Widget* Add(WidgetKind kind)
    {
        Widget* widget = view->addWidget(kind, {});
        widget->setAction([this, widget] {
            ++actions;
            seen = widget->kind() == WidgetKind::PopUp ? widget->indexOfSelectedItem() : widget->intValue();
        });
        return widget;
    }

    HeadlessToolkit toolkit;
    std::unique_ptr<platform::ui::View> view = toolkit.createView({});
    int actions = 0;
    int seen = -100;
};

TEST_F(PersonActionsTest, ClicksChecksChoicesAndSteps)
{
    Widget* push = Add(WidgetKind::PushButton);
    Widget* box = Add(WidgetKind::CheckBox);
    Widget* radio = Add(WidgetKind::Radio);
    Widget* popup = Add(WidgetKind::PopUp);
    Widget* stepper = Add(WidgetKind::Stepper);
    Widget* label = Add(WidgetKind::StaticText);
    popup->addItem("A", "a");
    popup->addItem("B", "b");
    stepper->setMinValue(1);
    stepper->setMaxValue(3);
    stepper->setIntValue(3);

    const struct {
        const char* what;
        std::function<ActionOutcome()> act;
        ActionOutcome outcome;
        int actionsAfter; // running count of actions sent
        int seenAfter;
    } steps[] = {
        {"push", [&] { return Click(*push); }, ActionOutcome::Done, 1, 0},
        {"box on", [&] { return Click(*box); }, ActionOutcome::Done, 2, 1},
        {"box off", [&] { return Click(*box); }, ActionOutcome::Done, 3, 0},
        {"box already off", [&] { return SetCheck(*box, false); }, ActionOutcome::Done, 3, 0},
        {"box set on", [&] { return SetCheck(*box, true); }, ActionOutcome::Done, 4, 1},
        {"radio", [&] { return Click(*radio); }, ActionOutcome::Done, 5, 1},
        {"radio again", [&] { return Click(*radio); }, ActionOutcome::Done, 6, 1},
        {"choose B", [&] { return Choose(*popup, 1); }, ActionOutcome::Done, 7, 1},
        {"step past the maximum", [&] { return Step(*stepper, StepDirection::Up); }, ActionOutcome::Done, 8,
         3},
        {"step down", [&] { return Step(*stepper, StepDirection::Down); }, ActionOutcome::Done, 9, 2},
        {"click a label", [&] { return Click(*label); }, ActionOutcome::Invalid, 9, 2},
        {"check a radio", [&] { return SetCheck(*radio, false); }, ActionOutcome::Invalid, 9, 2},
        {"choose past the menu", [&] { return Choose(*popup, 2); }, ActionOutcome::Invalid, 9, 2},
        {"choose before the menu", [&] { return Choose(*popup, -1); }, ActionOutcome::Invalid, 9, 2},
        {"step a box", [&] { return Step(*box, StepDirection::Up); }, ActionOutcome::Invalid, 9, 2},
        {"type into a box", [&] { return Type(*box, "1"); }, ActionOutcome::Invalid, 9, 2},
    };
    for (const auto& step : steps) {
        EXPECT_EQ(step.act(), step.outcome) << step.what;
        EXPECT_EQ(actions, step.actionsAfter) << step.what;
        EXPECT_EQ(seen, step.seenAfter) << step.what;
    }
    stepper->setIntValue(1);
    EXPECT_EQ(Step(*stepper, StepDirection::Down), ActionOutcome::Done);
    EXPECT_EQ(stepper->intValue(), 1);
}

TEST_F(PersonActionsTest, NothingReachesADisabledOrHiddenWidgetOrItem)
{
    Widget* box = Add(WidgetKind::CheckBox);
    Widget* popup = Add(WidgetKind::PopUp);
    Widget* field = Add(WidgetKind::TextField);
    Widget* stepper = Add(WidgetKind::Stepper);
    popup->addItem("A", "a");
    popup->addItem("B", "b");
    popup->setItemEnabled(1, false);
    EXPECT_EQ(Choose(*popup, 1), ActionOutcome::Refused);
    EXPECT_EQ(popup->indexOfSelectedItem(), 0);

    for (bool hide : {false, true}) {
        for (Widget* widget : {box, popup, field, stepper}) {
            widget->setEnabled(hide);
            widget->setHidden(hide);
        }
        EXPECT_EQ(Click(*box), ActionOutcome::Refused);
        EXPECT_EQ(SetCheck(*box, true), ActionOutcome::Refused);
        EXPECT_EQ(Choose(*popup, 0), ActionOutcome::Refused);
        EXPECT_EQ(Step(*stepper, StepDirection::Up), ActionOutcome::Refused);
        EXPECT_EQ(Type(*field, "12"), ActionOutcome::Refused);
    }
    EXPECT_EQ(actions, 0);
    EXPECT_EQ(box->intValue(), 0);
    EXPECT_EQ(stepper->intValue(), 0);
    EXPECT_EQ(field->stringValue(), "");
    EXPECT_TRUE(toolkit.Events().empty());
}

// Digits (and characters beyond 16 bits) only, at most three UTF-16 units; a
// lower-case letter is taken as its capital, as a formatter may hand back a
// replacement text.
class DigitsFormatter : public platform::ui::TextFormatter {
public:
    bool isPartialStringValid(std::u16string_view partial, std::u16string* edited,
                              std::u16string* error) const override
    {
        seen.emplace_back(partial);
        const char16_t last = partial.back();
        if (last >= u'a' && last <= u'z') {
            edited->back() = static_cast<char16_t>(last - u'a' + u'A');
            return true;
        }
        const bool digit = last >= u'0' && last <= u'9';
        const bool surrogate = last >= 0xD800 && last <= 0xDFFF;
        if (partial.size() > 3 || !(digit || surrogate)) {
            *error = u"refused";
            return false;
        }
        return true;
    }
    mutable std::vector<std::u16string> seen;
};

TEST_F(PersonActionsTest, TypingGoesThroughTheFormatterCharacterByCharacter)
{
    Widget* field = Add(WidgetKind::TextField);
    field->setTag(31);
    field->setStringValue("old text");
    DigitsFormatter formatter;
    field->setFormatter(&formatter);
    std::string committed;
    field->setAction([&] { committed = field->stringValue(); });

    EXPECT_EQ(Type(*field, "1X2b3"), ActionOutcome::Done);
    EXPECT_EQ(committed, "12B");
    EXPECT_EQ(formatter.seen, (std::vector<std::u16string>{u"1", u"1X", u"12", u"12b", u"12B3"}));
    EXPECT_EQ(toolkit.Events(), (std::vector<UiEvent>{{.event = "focus", .tag = 31}}));
    EXPECT_EQ(static_cast<HeadlessView&>(*view).FirstResponder(), nullptr);

    // A character beyond 16 bits reaches the formatter whole.
    formatter.seen.clear();
    EXPECT_EQ(Type(*field, "\xF0\x9F\x98\x80"), ActionOutcome::Done);
    EXPECT_EQ(formatter.seen, (std::vector<std::u16string>{u"\U0001F600"}));

    EXPECT_EQ(Type(*field, "1\xC3"), ActionOutcome::Invalid);
    EXPECT_EQ(field->stringValue(), "\xF0\x9F\x98\x80");

    field->setFormatter(nullptr);
    EXPECT_EQ(Type(*field, "any text"), ActionOutcome::Done);
    EXPECT_EQ(committed, "any text");
}

} // namespace
} // namespace host
