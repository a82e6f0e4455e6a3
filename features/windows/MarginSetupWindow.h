// What the tab margin and booklet margin windows share: one distance shown in
// millimetres or in inches, chosen by two radio buttons. Each unit has a
// label, a text edit, its stepper and a unit label; the unit not chosen is
// hidden and its field follows the chosen one by conversion. The window's
// summary lines appear only while the panel has the margin switched on.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "features/windows/FeaturesSetupWindow.h"
#include "features/windows/MarginWindowRecords.h"

class PFInchMMRadioButton;
class PFMarginTextEditCtrl;
class RadioGroup;

class MarginSetupWindow : public FeaturesSetupWindow {
public:
    MarginSetupWindow(std::unique_ptr<platform::ui::Window> window, std::string theWinTitleStr,
                      KPRINTFEATURESPDE* panel, std::string helpPage, const MarginUnitRecords& inchRecords,
                      const MarginUnitRecords& mmRecords);
    ~MarginSetupWindow() override;

    // Both units' controls (inch first), the window's own, then the buttons.
    void CreateWindowControls() override;
    // Shows the kept values with the unchosen unit hidden, then runs modally.
    void ActivateWindow() override;
    // Default: every control shows its default, and the default unit is the
    // one shown.
    void RestoreButtonPressed() override;
    // Only while the panel has this margin switched on.
    int GetSummaryText(SummaryDictionary& summary, SummaryOrder& order) override;
    // The controls read back, then the unchosen unit's field and stepper
    // converted from the chosen one's value, so that the print settings
    // never carry two different distances.
    bool GetValueFromPreset() override;

    // 0 when only the inch radio button is chosen, 1 when only the
    // millimetre one is, -1 otherwise (the kept values).
    int GetShiftValueDisplayStyle() const;
    // Whether the panel has this margin switched on.
    virtual bool IsShiftOn() const = 0;

    PFMarginTextEditCtrl* GetInchTextEdit() const { return inchEdit_; }
    PFMarginTextEditCtrl* GetMMTextEdit() const { return mmEdit_; }

protected:
    // Controls of the window besides the units (the booklet's auto fit).
    virtual void CreateOptionControls() {}

private:
    PFMarginTextEditCtrl* CreateUnitControls(const MarginUnitRecords& unit);
    PFInchMMRadioButton* CreateRadioButton(const MarginUnitRecords& unit, const char* outlet);
    // Each unit's controls are shown, then hidden again while its radio
    // button is off; the UI data then starts from what is on screen. When
    // the buttons kept are both off (or both on), the default unit is shown
    // chosen, so that a field is always there to type into.
    void ApplyUnitHiding();

    const MarginUnitRecords& inchRecords_;
    const MarginUnitRecords& mmRecords_;
    std::unique_ptr<RadioGroup> radioGroup_;
    PFInchMMRadioButton* inchRadio_ = nullptr;
    PFInchMMRadioButton* mmRadio_ = nullptr;
    PFMarginTextEditCtrl* inchEdit_ = nullptr;
    PFMarginTextEditCtrl* mmEdit_ = nullptr;
};
