#include "account/jba/JBAWndControls.h"

#include "account/LocalizedTitle.h"
#include "account/SummaryLine.h"
#include "account/jba/JBATextField.h"
#include "panelkit/controls/RadioGroup.h"
#include "panelkit/panel/BasePrintPanel.h"

JBAWndRadioButton::JBAWndRadioButton(platform::ui::Widget* control, const CheckBoxIniData* iniData,
                                     const CnstrnInfo* cnstrnInfo, const CtrlAccessInfo* accessInfo,
                                     std::optional<platform::PreferenceUser> user, CnstrnArray fieldsToCheck)
    : RadioButton(control, iniData, cnstrnInfo, accessInfo, user), fieldsToCheck_(fieldsToCheck)
{}

bool JBAWndRadioButton::UIEventHandler()
{
    if (fieldsToCheck_ != nullptr && ctrlParentPanelPtr != nullptr) {
        for (CnstrnArray entry = fieldsToCheck_; *entry != nullptr; ++entry) {
            BaseControl* field = ctrlParentPanelPtr->GetPanelControl(*entry);
            if (field == nullptr) continue;
            field->GetValueFromUI();
            if (field->InvalidateData()) continue;
            // Refused: every button of the group shows what it showed before.
            if (RadioGrpPtr != nullptr) {
                for (RadioButton* button : RadioGrpPtr->GetRadioButtons()) {
                    const unsigned char* before = button->GetValueFromUIDataBlk();
                    platform::ui::Widget* widget = button->GetControlPtr();
                    if (before != nullptr && widget != nullptr)
                        widget->setIntValue(*reinterpret_cast<const int32_t*>(before) > 0 ? 1 : 0);
                }
            } else if (ControlPtr != nullptr) {
                ControlPtr->setIntValue(IsOn() ? 1 : 0);
            }
            return true;
        }
    }
    return RadioButton::UIEventHandler();
}

int JBAWndRadioButton::GetSummaryText(SummaryDictionary& summary, SummaryOrder& order)
{
    if (!IsOn() || ctrlParentPanelPtr == nullptr || radiobuttonIniDataPtr == nullptr) return 0;
    const platform::Bundle* bundle = ctrlParentPanelPtr->GetPDEBundleRef();
    AddSummaryLine(summary, order, LocalizedTitle(bundle, localizeTableName, "Detailed User Settings"),
                   LocalizedTitle(bundle, localizeTableName, radiobuttonIniDataPtr->titleKey));
    return 0;
}

bool JBAWndListCtrl::CreateControl(platform::ui::Widget* control, const ListCtrlIniData* iniData,
                                   const CnstrnInfo* cnstrnInfo, const CtrlAccessInfo* accessInfo,
                                   std::optional<platform::PreferenceUser> user, const int32_t* passwordID)
{
    passwordID_ = passwordID;
    return PopupControl::CreateControl(control, iniData, cnstrnInfo, accessInfo, user);
}

bool JBAWndListCtrl::UIEventHandler()
{
    const std::optional<int32_t> before = UIBlockValue();
    const bool handled = PopupControl::UIEventHandler();
    const bool changed = ControlPtr != nullptr && before != ScreenValue();
    if (changed && passwordID_ != nullptr && ctrlParentPanelPtr != nullptr) {
        if (auto* password = dynamic_cast<JBATextField*>(ctrlParentPanelPtr->GetPanelControl(passwordID_)))
            password->ClearValue();
    }
    return handled;
}

int JBAWndListCtrl::GetSummaryText(SummaryDictionary& summary, SummaryOrder& order)
{
    if (ctrlParentPanelPtr == nullptr || listctrlIniDataPtr == nullptr || !ctrlDataBlkPtr.IsAllocated())
        return 0;
    const int32_t value = ctrlDataBlkPtr.Int();
    if (value < 1 || value > 2) return 0;
    const platform::Bundle* bundle = ctrlParentPanelPtr->GetPDEBundleRef();
    AddSummaryLine(summary, order, LocalizedTitle(bundle, localizeTableName, "JBA Specify Name text"),
                   LocalizedTitle(bundle, localizeTableName, listctrlIniDataPtr->itemKeys[value - 1]));
    return 0;
}
