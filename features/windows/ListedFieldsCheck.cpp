#include "features/windows/ListedFieldsCheck.h"

#include "panelkit/panel/BasePrintPanel.h"

bool ListedFieldsPass(const BasePrintPanel* panel, const std::vector<const int32_t*>& fieldIDs)
{
    if (panel == nullptr) return true;
    for (const int32_t* id : fieldIDs) {
        BaseControl* control = panel->GetPanelControl(id);
        if (control == nullptr) continue;
        control->GetValueFromUI();
        if (control->PreInvalidateData() && !control->InvalidateData()) return false;
    }
    return true;
}
