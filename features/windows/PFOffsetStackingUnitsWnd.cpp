#include "features/windows/PFOffsetStackingUnitsWnd.h"

#include <array>

#include "features/windows/PFOffsetStackingUnitsTextEditCtrl.h"
#include "panelkit/control/ControlRecords.h"
#include "panelkit/control/IniDataRecords.h"
#include "platform/PrintSettingsKeys.h"

namespace {

const int32_t OffsetCopiesLabelID = 701;
const int32_t OffsetCopiesEditID = 702;
const int32_t OffsetCopiesStepperID = 703;
const int32_t OffsetCopiesOKButtonID = 704;
const int32_t OffsetCopiesCancelButtonID = 705;
const int32_t OffsetCopiesDefaultButtonID = 706;
const int32_t OffsetCopiesHelpButtonID = 707;

// The field updates its stepper; the stepper its field.
constexpr const int32_t* kOffsetCopiesEditUpdates[] = {&OffsetCopiesStepperID, nullptr};
constexpr const int32_t* kOffsetCopiesStepperUpdates[] = {&OffsetCopiesEditID, nullptr};
constexpr std::array<CnstrnArray, 1> kOffsetCopiesEditUpdate = {kOffsetCopiesEditUpdates};
constexpr std::array<CnstrnArray, 1> kOffsetCopiesStepperUpdate = {kOffsetCopiesStepperUpdates};

const TextEditIniData OffsetCopiesEditIniData = {"2", "2", 1, 4, 0};
const TextEditFilterData OffsetCopiesEditFilterData = {
    {1, {{{'0', '9'}}}},
    {1, {{{'0', '9'}}}},
    "Message22m",
};
const CnstrnInfo OffsetCopiesEditCnstrnInfo = {{}, {}, kOffsetCopiesEditUpdate, {}};
const CtrlAccessInfo OffsetCopiesEditAccessInfo = {kCtrlValueTypeText, kCtrlValueTypeText,
                                                   printsettings::OffsetStackingUnitsTextEditTicket, nullptr};
const LittleArrayIniData OffsetCopiesStepperIniData = {0, 2, -1, 2, 9999, 1, 0, 0};
const CnstrnInfo OffsetCopiesStepperCnstrnInfo = {{}, {}, kOffsetCopiesStepperUpdate, {}};
const CtrlAccessInfo OffsetCopiesStepperAccessInfo = {
    kCtrlValueTypeInteger, kCtrlValueTypeInteger, printsettings::OffsetStackingUnitsLArrowTicket, nullptr};

const CountWindowRecords OffsetCopiesWindowRecords = {
    "OffsetStackingUnits",          "Offset Stacking Copies Static Text",
    "Offset Stacking Copies Text",  "PageOffset.htm",
    &OffsetCopiesLabelID,           &OffsetCopiesEditID,
    &OffsetCopiesStepperID,         &OffsetCopiesOKButtonID,
    &OffsetCopiesCancelButtonID,    &OffsetCopiesDefaultButtonID,
    &OffsetCopiesHelpButtonID,      &OffsetCopiesEditIniData,
    &OffsetCopiesEditFilterData,    &OffsetCopiesEditCnstrnInfo,
    &OffsetCopiesEditAccessInfo,    {2, 9999},
    &OffsetCopiesStepperIniData,    &OffsetCopiesStepperCnstrnInfo,
    &OffsetCopiesStepperAccessInfo,
};

} // namespace

PFOffsetStackingUnitsWnd::PFOffsetStackingUnitsWnd(std::unique_ptr<platform::ui::Window> window,
                                                   std::string theWinTitleStr, KPRINTFEATURESPDE* panel)
    : CountFieldWindow(std::move(window), std::move(theWinTitleStr), panel, OffsetCopiesWindowRecords)
{}

std::unique_ptr<PFNumInSeqTextEditCtrl> PFOffsetStackingUnitsWnd::NewNumberEdit() const
{
    return std::make_unique<PFOffsetStackingUnitsTextEditCtrl>();
}
