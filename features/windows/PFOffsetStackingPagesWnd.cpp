#include "features/windows/PFOffsetStackingPagesWnd.h"

#include <array>

#include "features/windows/PFOffsetStackingPagesTextEditCtrl.h"
#include "panelkit/control/ControlRecords.h"
#include "panelkit/control/IniDataRecords.h"
#include "platform/PrintSettingsKeys.h"

namespace {

const int32_t OffsetPagesLabelID = 601;
const int32_t OffsetPagesEditID = 602;
const int32_t OffsetPagesStepperID = 603;
const int32_t OffsetPagesOKButtonID = 604;
const int32_t OffsetPagesCancelButtonID = 605;
const int32_t OffsetPagesDefaultButtonID = 606;
const int32_t OffsetPagesHelpButtonID = 607;

// The field updates its stepper; the stepper its field.
constexpr const int32_t* kOffsetPagesEditUpdates[] = {&OffsetPagesStepperID, nullptr};
constexpr const int32_t* kOffsetPagesStepperUpdates[] = {&OffsetPagesEditID, nullptr};
constexpr std::array<CnstrnArray, 1> kOffsetPagesEditUpdate = {kOffsetPagesEditUpdates};
constexpr std::array<CnstrnArray, 1> kOffsetPagesStepperUpdate = {kOffsetPagesStepperUpdates};

const TextEditIniData OffsetPagesEditIniData = {"2", "2", 1, 5, 0};
const TextEditFilterData OffsetPagesEditFilterData = {
    {1, {{{'0', '9'}}}},
    {1, {{{'0', '9'}}}},
    "Message22l",
};
const CnstrnInfo OffsetPagesEditCnstrnInfo = {{}, {}, kOffsetPagesEditUpdate, {}};
const CtrlAccessInfo OffsetPagesEditAccessInfo = {kCtrlValueTypeText, kCtrlValueTypeText,
                                                  printsettings::OffsetStackingPagesTextEditTicket, nullptr};
const LittleArrayIniData OffsetPagesStepperIniData = {0, 2, -1, 2, 65000, 1, 0, 0};
const CnstrnInfo OffsetPagesStepperCnstrnInfo = {{}, {}, kOffsetPagesStepperUpdate, {}};
const CtrlAccessInfo OffsetPagesStepperAccessInfo = {kCtrlValueTypeInteger, kCtrlValueTypeInteger,
                                                     printsettings::OffsetStackingPagesLArrowTicket, nullptr};

const CountWindowRecords OffsetPagesWindowRecords = {
    "OffsetStackingPages",         "Offset Stacking Pages Static Text",
    "Offset Stacking Pages Text",  "PageOffset.htm",
    &OffsetPagesLabelID,           &OffsetPagesEditID,
    &OffsetPagesStepperID,         &OffsetPagesOKButtonID,
    &OffsetPagesCancelButtonID,    &OffsetPagesDefaultButtonID,
    &OffsetPagesHelpButtonID,      &OffsetPagesEditIniData,
    &OffsetPagesEditFilterData,    &OffsetPagesEditCnstrnInfo,
    &OffsetPagesEditAccessInfo,    {2, 65000},
    &OffsetPagesStepperIniData,    &OffsetPagesStepperCnstrnInfo,
    &OffsetPagesStepperAccessInfo,
};

} // namespace

PFOffsetStackingPagesWnd::PFOffsetStackingPagesWnd(std::unique_ptr<platform::ui::Window> window,
                                                   std::string theWinTitleStr, KPRINTFEATURESPDE* panel)
    : CountFieldWindow(std::move(window), std::move(theWinTitleStr), panel, OffsetPagesWindowRecords)
{}

std::unique_ptr<PFNumInSeqTextEditCtrl> PFOffsetStackingPagesWnd::NewNumberEdit() const
{
    return std::make_unique<PFOffsetStackingPagesTextEditCtrl>();
}
