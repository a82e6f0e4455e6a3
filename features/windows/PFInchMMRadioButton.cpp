#include "features/windows/PFInchMMRadioButton.h"

#include "features/windows/ListedFieldsCheck.h"
#include "panelkit/controls/RadioGroup.h"

PFInchMMRadioButton::PFInchMMRadioButton(platform::ui::Widget* control, const CheckBoxIniData* iniData,
                                         const CnstrnInfo* cnstrnInfo, const CtrlAccessInfo* accessInfo,
                                         std::optional<platform::PreferenceUser> user,
                                         std::vector<const int32_t*> validateArray)
    : RadioButton(control, iniData, cnstrnInfo, accessInfo, user),
      validateControlArray(std::move(validateArray))
{}

bool PFInchMMRadioButton::ValidateConstrains()
{
    return ListedFieldsPass(ctrlParentPanelPtr, validateControlArray);
}

bool PFInchMMRadioButton::UIEventHandler()
{
    if (ControlPtr == nullptr) return false;
    const bool alreadyChosen = RadioGrpPtr != nullptr ? RadioGrpPtr->GetcurRadio() == GetRadioIndex()
                                                      : UIBlockValue().value_or(-1) == 1;
    if (alreadyChosen) {
        ControlPtr->setIntValue(1);
        return true;
    }
    if (!ValidateConstrains()) {
        // The sibling stays chosen; this button goes back off.
        ControlPtr->setIntValue(0);
        return false;
    }
    return RadioButton::UIEventHandler();
}
