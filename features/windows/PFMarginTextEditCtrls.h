// The four margin fields (tab and booklet margins, each in millimetres and
// inches): number fields whose rules are their margin form, and whose summary
// line carries the unit chosen in their window.
#pragma once

#include <memory>

#include "features/windows/MarginFieldRules.h"
#include "features/windows/PFInchMMTextEditCtrl.h"

class PFMarginTextEditCtrl : public PFInchMMTextEditCtrl {
public:
    // unitLabelKey: the localisation key of the unit's label, which follows
    // the value in the summary.
    PFMarginTextEditCtrl(MarginField field, const char* unitLabelKey)
        : field_(field), unitLabelKey_(unitLabelKey)
    {}

    bool IsNumberValid(std::string_view text) const override;
    int32_t ScaledValueOfText(std::string_view text) const override;
    std::string TextOfScaledValue(int32_t value) const override;
    std::optional<std::string> ConvertedTextOf(std::string_view visibleText) const override;
    // Only the chosen unit's field (its window's radio buttons, also before
    // the window has first hidden the other unit); with no unit chosen, the
    // field that is shown.
    bool ToGetSummaryText() override;
    // The committed text, a space, and the unit label of the selected unit
    // (nothing after the space while the window's unit is undecided).
    std::string SummaryValueText() override;

    MarginField GetMarginField() const { return field_; }

private:
    MarginField field_;
    const char* unitLabelKey_;
};

class PFTabMMTextEditCtrl : public PFMarginTextEditCtrl {
public:
    PFTabMMTextEditCtrl() : PFMarginTextEditCtrl(MarginField::TabMM, "Tab Margin MM Side Static Text") {}
    std::string_view ControlClassName() const override { return "PFTabMMTextEditCtrl"; }

protected:
    std::unique_ptr<TextEditFormatter> NewFormatter(platform::HostServices* services) override;
};

class PFTabInchesTextEditCtrl : public PFMarginTextEditCtrl {
public:
    PFTabInchesTextEditCtrl() : PFMarginTextEditCtrl(MarginField::TabInch, "Tab Margin Inch Side Static Text")
    {}
    std::string_view ControlClassName() const override { return "PFTabInchesTextEditCtrl"; }

protected:
    std::unique_ptr<TextEditFormatter> NewFormatter(platform::HostServices* services) override;
};

class PFBookletMMTextEditCtrl : public PFMarginTextEditCtrl {
public:
    PFBookletMMTextEditCtrl()
        : PFMarginTextEditCtrl(MarginField::BookletMM, "Booklet Margin MM Side Static Text")
    {}
    std::string_view ControlClassName() const override { return "PFBookletMMTextEditCtrl"; }

protected:
    std::unique_ptr<TextEditFormatter> NewFormatter(platform::HostServices* services) override;
};

class PFBookletInchesTextEditCtrl : public PFMarginTextEditCtrl {
public:
    PFBookletInchesTextEditCtrl()
        : PFMarginTextEditCtrl(MarginField::BookletInch, "Booklet Margin Inch Side Static Text")
    {}
    std::string_view ControlClassName() const override { return "PFBookletInchesTextEditCtrl"; }

protected:
    std::unique_ptr<TextEditFormatter> NewFormatter(platform::HostServices* services) override;
};

// The field of the margin form.
std::unique_ptr<PFMarginTextEditCtrl> NewMarginTextEdit(MarginField field);
