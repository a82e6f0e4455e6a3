#include "account/printtype/PTListCtrlExt.h"

#include "account/LocalizedTitle.h"
#include "account/SummaryLine.h"
#include "account/printtype/PrintTypeFieldRecords.h"
#include "panelkit/panel/BasePrintPanel.h"

namespace {

constexpr int32_t kDocumentNameAuto = 1;

} // namespace

bool PTListCtrlExt::CreateControl(platform::ui::Widget* control, const ListCtrlIniData* iniData,
                                  const CnstrnInfo* rule, const char* summaryKey, DataBlock* sharedBlock)
{
    summaryKey_ = summaryKey;
    sharedBlock_ = sharedBlock;
    return PopupControl::CreateControl(control, iniData, rule, &PTDocumentListCtrlAccessInfo,
                                       platform::PreferenceUser::Current);
}

bool PTListCtrlExt::SetControlValueToUI()
{
    if (ControlPtr == nullptr || !ctrlDataBlkPtr.IsAllocated()) return false;
    int32_t value = sharedBlock_ != nullptr ? sharedBlock_->Int() : ctrlDataBlkPtr.Int();
    if (!IsOwnValue(value))
        value = listctrlIniDataPtr != nullptr ? listctrlIniDataPtr->defaultValue : kDocumentNameAuto;
    if (!ControlPtr->isEnabled()) value = kDocumentNameAuto;
    ctrlDataBlkPtr.SetInt(value);
    if (sharedBlock_ != nullptr) sharedBlock_->SetInt(value);
    ShowValue(value);
    return true;
}

bool PTListCtrlExt::SetValueFromUIToControl()
{
    const bool copied = PopupControl::SetValueFromUIToControl();
    if (copied && sharedBlock_ != nullptr) sharedBlock_->SetInt(ctrlDataBlkPtr.Int());
    return copied;
}

int PTListCtrlExt::GetSummaryText(SummaryDictionary& summary, SummaryOrder& order)
{
    if (summaryKey_ == nullptr || listctrlIniDataPtr == nullptr || listctrlIniDataPtr->itemKeys == nullptr)
        return 0;
    const int32_t value = sharedBlock_ != nullptr ? sharedBlock_->Int() : ctrlDataBlkPtr.Int();
    if (!IsOwnValue(value)) return 0;
    const platform::Bundle* bundle =
        ctrlParentPanelPtr != nullptr ? ctrlParentPanelPtr->GetPDEBundleRef() : nullptr;
    AddSummaryLine(summary, order, LocalizedTitle(bundle, localizeTableName, summaryKey_),
                   LocalizedTitle(bundle, localizeTableName, listctrlIniDataPtr->itemKeys[value - 1]));
    return 0;
}
