#include "features/windows/PFNumInSequenceWnd.h"

#include <array>

#include "features/windows/PFNumInSeqTextEditCtrl.h"
#include "panelkit/control/ControlRecords.h"
#include "panelkit/control/IniDataRecords.h"
#include "platform/PrintSettingsKeys.h"

namespace {

const int32_t NumInSeqLabelID = 611;
const int32_t NumInSeqEditID = 612;
const int32_t NumInSeqStepperID = 613;
const int32_t NumInSeqOKButtonID = 617;
const int32_t NumInSeqCancelButtonID = 616;
const int32_t NumInSeqDefaultButtonID = 615;
const int32_t NumInSeqHelpButtonID = 614;

// The field updates its stepper; the stepper its field.
constexpr const int32_t* kNumInSeqEditUpdates[] = {&NumInSeqStepperID, nullptr};
constexpr const int32_t* kNumInSeqStepperUpdates[] = {&NumInSeqEditID, nullptr};
constexpr std::array<CnstrnArray, 1> kNumInSeqEditUpdate = {kNumInSeqEditUpdates};
constexpr std::array<CnstrnArray, 1> kNumInSeqStepperUpdate = {kNumInSeqStepperUpdates};

const TextEditIniData NumInSeqEditIniData = {"3", "3", 1, 3, 0};
const TextEditFilterData NumInSeqEditFilterData = {
    {1, {{{'0', '9'}}}},
    {1, {{{'0', '9'}}}},
    "Message22k",
};
const CnstrnInfo NumInSeqEditCnstrnInfo = {{}, {}, kNumInSeqEditUpdate, {}};
const CtrlAccessInfo NumInSeqEditAccessInfo = {kCtrlValueTypeText, kCtrlValueTypeText,
                                               printsettings::NumInSequenceTextEditTicket, nullptr};
const LittleArrayIniData NumInSeqStepperIniData = {0, 3, -1, 1, 254, 1, 0, 0};
const CnstrnInfo NumInSeqStepperCnstrnInfo = {{}, {}, kNumInSeqStepperUpdate, {}};
const CtrlAccessInfo NumInSeqStepperAccessInfo = {kCtrlValueTypeInteger, kCtrlValueTypeInteger,
                                                  printsettings::NumInSequenceLArrowTicket, nullptr};

const CountWindowRecords NumInSeqWindowRecords = {
    "NumberInSeq",
    "Number In Sequence Static Text",
    "Number In Sequence Text",
    "NumberInSequence.htm",
    &NumInSeqLabelID,
    &NumInSeqEditID,
    &NumInSeqStepperID,
    &NumInSeqOKButtonID,
    &NumInSeqCancelButtonID,
    &NumInSeqDefaultButtonID,
    &NumInSeqHelpButtonID,
    &NumInSeqEditIniData,
    &NumInSeqEditFilterData,
    &NumInSeqEditCnstrnInfo,
    &NumInSeqEditAccessInfo,
    {1, 254},
    &NumInSeqStepperIniData,
    &NumInSeqStepperCnstrnInfo,
    &NumInSeqStepperAccessInfo,
};

} // namespace

PFNumInSequenceWnd::PFNumInSequenceWnd(std::unique_ptr<platform::ui::Window> window,
                                       std::string theWinTitleStr, KPRINTFEATURESPDE* panel)
    : CountFieldWindow(std::move(window), std::move(theWinTitleStr), panel, NumInSeqWindowRecords)
{}

std::unique_ptr<PFNumInSeqTextEditCtrl> PFNumInSequenceWnd::NewNumberEdit() const
{
    return std::make_unique<PFNumInSeqTextEditCtrl>();
}
