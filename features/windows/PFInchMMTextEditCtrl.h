// A number field of a Features setup window: a text edit bound to a stepper
// (its little arrows), optionally paired with the same distance in another
// unit. The field's own rules (which texts it accepts, the stepper value a
// text stands for, the text a stepper value shows, the conversion from the
// other unit, the message and the length bounds) are hooks; this class
// moves the values between the text, the stepper and the paired field, and
// checks the text on OK.
//
// Commit: when the person has typed a text, the field's formatter checks
// the whole text and, when it passes and is new, hands it to OnRawKeyUp,
// which sets the stepper; then OnLostFocus brings the hidden unit's field
// and the stepper in step.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "panelkit/controls/TextEditCtrl.h"

class PFInchMMLittleArrowControl;

// The range of a number field in its scaled unit (tenths of a millimetre,
// hundredths of an inch, ...), inclusive.
struct InchMMEditValueRange {
    int32_t minimum;
    int32_t maximum;
};

class PFInchMMTextEditCtrl : public TextEditCtrl {
public:
    using TextEditCtrl::CreateControl;
    // CreateControl:IniData:Constrain:AccessInfo:usernamein:FilterData:titleInfo:ValueRange:
    // titleInfo: the localisation key of the summary title.
    bool CreateControl(platform::ui::Widget* control, const TextEditIniData* iniData,
                       const CnstrnInfo* cnstrnInfo, const CtrlAccessInfo* accessInfo,
                       std::optional<platform::PreferenceUser> user, const TextEditFilterData* filterData,
                       const char* titleInfo, InchMMEditValueRange valueRange);

    // --- The field's rules ---
    // IsNumberValid: the whole text, character filter included.
    virtual bool IsNumberValid(std::string_view text) const = 0;
    // The stepper value of a text the field accepts.
    virtual int32_t ScaledValueOfText(std::string_view text) const = 0;
    // The text a stepper value shows, cut to the field's maximum length.
    virtual std::string TextOfScaledValue(int32_t value) const = 0;
    // The text this field shows while hidden, from the visible field's text;
    // nothing for a field without another unit.
    virtual std::optional<std::string> ConvertedTextOf(std::string_view /*visibleText*/) const
    {
        return std::nullopt;
    }
    // Text length bounds checked on OK: the initial-data record's.
    virtual uint32_t GetEditMinLength() const;
    virtual uint32_t GetEditMaxLength() const;

    // --- Checks ---
    // Whether OK checks the field: shown, not disabled, with a value to check.
    virtual bool ToValidate() const;
    // On OK (after the screen was read): while ToValidate, the length within
    // its bounds and IsNumberValid; otherwise the message and NO.
    bool InvalidateData() override;
    bool InvalidateDataAndReturnError() override;

    // --- Moving values ---
    // The person committed the text: the formatter's check, then OnLostFocus.
    bool UIEventHandler() override;
    using TextEditCtrl::OnRawKeyUp;
    // An accepted text: kept as the UI data, the stepper set to its value,
    // then the dependants updated.
    virtual int OnRawKeyUp(std::string_view text);
    // Update (nothing while shown), then the dependants.
    virtual void OnLostFocus();
    // Only while hidden: shows the text converted from the paired field's
    // accepted text and sets the stepper to it. A refused text converts to
    // nothing: OK refuses it, and the hidden unit keeps its last good value.
    int Update() override;
    // Shows the stepper's value (the corrected display); without a stepper,
    // empties the field as a plain text edit does.
    void CorrectCtrlUI() override;
    const void* GetCorrectedData() override { return pDisplay.data(); }

    // The text on screen; a text kept as the UI data; both at once.
    std::string GetScreenText() const;
    void KeepUIText(std::string_view text);
    void ShowUIText(std::string_view text);
    // A text kept as the committed value and shown (a stepper read back
    // from a preset rewrites its field so), and the committed text.
    void SetDataText(std::string_view text);
    std::string GetDataText() const;

    // The stepper and the paired field, found in the update lists.
    PFInchMMLittleArrowControl* GetLittleArrayForNumberEdit() const;
    PFInchMMTextEditCtrl* GetTextEditForNumberEdit() const;

    // --- Summary ---
    // While shown; fields add their own conditions.
    virtual bool ToGetSummaryText();
    // The localised title to SummaryValueText.
    int GetSummaryText(SummaryDictionary& summary, SummaryOrder& order) override;
    // The committed text.
    virtual std::string SummaryValueText();

    const InchMMEditValueRange& GetValueRange() const { return inchMMEditValueRangeData; }
    const char* GetTitleTextRef() const { return titletextRef; }
    bool IsFieldHidden() const;

    std::string_view ControlClassName() const override { return "PFInchMMTextEditCtrl"; }

protected:
    // The field's formatter; this one asks IsNumberValid of the field.
    std::unique_ptr<TextEditFormatter> NewFormatter(platform::HostServices* services) override;
    // The localised text of a key in the control's table.
    std::string Localized(const char* key) const;

    const char* titletextRef = nullptr;
    InchMMEditValueRange inchMMEditValueRangeData{0, 0};
    std::array<char, 24> pDisplay{};
};
