#include "features/controls/PFStaticCheckBox.h"

#include "panelkit/panel/BasePrintPanel.h"

bool PFStaticCheckBox::GetValueToPreset()
{
    if (!GetIntValueToPresetFromTicket()) return false;
    if (ControlPtr != nullptr) ControlPtr->setIntValue(ctrlDataBlkPtr.Int());
    return true;
}

int PFStaticCheckBox::GetSummaryText(SummaryDictionary& summary, SummaryOrder& order)
{
    if (ctrlConstrainCount > 0 || ctrlHideCount > 0) return 0;
    if (checkboxctrlIniDataPtr == nullptr || checkboxctrlIniDataPtr->titleKey == nullptr) return 0;
    if (!ctrlDataBlkPtr.IsAllocated() || ctrlParentPanelPtr == nullptr) return 0;
    const platform::Bundle* bundle = ctrlParentPanelPtr->GetPDEBundleRef();
    if (bundle == nullptr) return 0;
    const std::string title = LocalizedString(bundle, checkboxctrlIniDataPtr->titleKey);
    summary[title] = LocalizedString(bundle, ctrlDataBlkPtr.Int() != 0 ? "On" : "Off");
    order.push_back(title);
    return 0;
}
