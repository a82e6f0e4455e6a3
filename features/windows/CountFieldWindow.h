// What the number-in-sequence, offset-per-page and offset-per-copy windows
// share: a label, one number field with its stepper, and the four buttons,
// each window with its own identifiers, records, texts and help page.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "features/windows/FeaturesSetupWindow.h"
#include "features/windows/PFInchMMTextEditCtrl.h"

class PFNumInSeqTextEditCtrl;
class PFNumInSeqLittleArrowControl;
struct CnstrnInfo;
struct CtrlAccessInfo;
struct LittleArrayIniData;
struct TextEditFilterData;
struct TextEditIniData;

// One window's records. The layout's outlets are the prefix followed by
// "Label", "Edit" and "Stepper", and the four buttons' outlets.
struct CountWindowRecords {
    const char* outletPrefix;
    const char* labelKey;
    const char* titleKey; // summary title of the field
    const char* helpPage;
    const int32_t* labelID;
    const int32_t* editID;
    const int32_t* stepperID;
    const int32_t* okID;
    const int32_t* cancelID;
    const int32_t* defaultID;
    const int32_t* helpID;
    const TextEditIniData* editIniData;
    const TextEditFilterData* editFilterData;
    const CnstrnInfo* editCnstrnInfo;
    const CtrlAccessInfo* editAccessInfo;
    InchMMEditValueRange editRange;
    const LittleArrayIniData* stepperIniData;
    const CnstrnInfo* stepperCnstrnInfo;
    const CtrlAccessInfo* stepperAccessInfo;
};

class CountFieldWindow : public FeaturesSetupWindow {
public:
    CountFieldWindow(std::unique_ptr<platform::ui::Window> window, std::string theWinTitleStr,
                     KPRINTFEATURESPDE* panel, const CountWindowRecords& records);

    // The label, the field, its stepper (which checks the field before each
    // step) and the buttons.
    void CreateWindowControls() override;

    PFNumInSeqTextEditCtrl* GetNumberEdit() const { return edit_; }
    PFNumInSeqLittleArrowControl* GetStepper() const { return stepper_; }

protected:
    // The window's kind of number field.
    virtual std::unique_ptr<PFNumInSeqTextEditCtrl> NewNumberEdit() const = 0;

private:
    const CountWindowRecords& records_;
    PFNumInSeqTextEditCtrl* edit_ = nullptr;
    PFNumInSeqLittleArrowControl* stepper_ = nullptr;
};
