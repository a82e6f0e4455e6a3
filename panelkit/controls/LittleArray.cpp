#include "panelkit/controls/LittleArray.h"

#if QV_PANELKIT_FEATURES

#include <array>

#include "panelkit/UtilityFunction.h"

bool LittleArray::LittleArrayControl(platform::ui::Widget* control, const LittleArrayIniData* iniData,
                                     const CnstrnInfo* cnstrnInfo, const CtrlAccessInfo* accessInfo,
                                     std::optional<platform::PreferenceUser> user, const char* titleStr)
{
    CreateControl(control);
    littleArrayIniDataPtr = iniData;
    ctrlConstrainControlArray = cnstrnInfo;
    ctrlDataAccessInfoPtr = accessInfo;
    if (user) userNameinPreference = user;
    titleTextRef = titleStr;
    ctrlDataSize = 4;
    if (iniData != nullptr) lastValue = iniData->defaultValue;
    return true;
}

bool LittleArray::InitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd)
{
    const bool based = BaseControl::InitializeCtrl(bundle, ppd);
    AllocateIntegerBlocks();
    if (littleArrayIniDataPtr != nullptr)
        SetRange(littleArrayIniDataPtr->minimum, littleArrayIniDataPtr->maximum);
    return based;
}

bool LittleArray::ReInitializeCtrl(const platform::Bundle* /*bundle*/, ppd_file_t* /*ppd*/)
{
    if (littleArrayIniDataPtr != nullptr)
        SetRange(littleArrayIniDataPtr->minimum, littleArrayIniDataPtr->maximum);
    return true;
}

void LittleArray::SetRange(int32_t minimum, int32_t maximum)
{
    if (ControlPtr == nullptr) return;
    ControlPtr->setMinValue(minimum);
    ControlPtr->setMaxValue(maximum);
}

bool LittleArray::GetValueToPreset()
{
    if (!GetIntValueToPresetFromTicket()) return false;
    SetControlValueToUI();
    lastValue = ctrlDataBlkPtr.Int();
    return true;
}

bool LittleArray::SetValueToTicket(platform::PrintSettings* settings, bool lock)
{
    if (littleArrayIniDataPtr == nullptr || !ctrlDataBlkPtr.IsAllocated()) return false;
    if (!IsOwnValue(ctrlDataBlkPtr.Int())) return false;
    return BaseControl::SetValueToTicket(settings, lock);
}

int LittleArray::GetSummaryText(SummaryDictionary& summary, SummaryOrder& order)
{
    if (titleTextRef == nullptr || !ctrlDataBlkPtr.IsAllocated()) return 0;
    const int value = ctrlDataBlkPtr.Int();
    std::array<char, 32> text{};
    if (!ConvertIntToFloatStr(&value, text)) return 0;
    if (summary.find(titleTextRef) == summary.end()) order.emplace_back(titleTextRef);
    summary[titleTextRef] = text.data();
    return 0;
}

const void* LittleArray::GetDefaultDataBlk()
{
    return littleArrayIniDataPtr != nullptr ? &littleArrayIniDataPtr->defaultValue : nullptr;
}

const void* LittleArray::GetIniDataBlk()
{
    return littleArrayIniDataPtr != nullptr ? &littleArrayIniDataPtr->iniValue : nullptr;
}

bool LittleArray::IsOwnValue(int32_t value) const
{
    if (littleArrayIniDataPtr == nullptr) return true;
    return value >= littleArrayIniDataPtr->minimum && value <= littleArrayIniDataPtr->maximum;
}

#endif
