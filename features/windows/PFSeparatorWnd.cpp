#include "features/windows/PFSeparatorWnd.h"

#include "features/FeatureControlRecords.h"
#include "features/windows/PFSepTextEditCtrl.h"
#include "platform/PrintSettingsKeys.h"

namespace {

const int32_t SeparatorLabelID = 401;
const int32_t SeparatorPageListID = 402;
const int32_t SeparatorSideLabelID = 403;
const int32_t SeparatorOKButtonID = 404;
const int32_t SeparatorCancelButtonID = 405;
const int32_t SeparatorDefaultButtonID = 406;
const int32_t SeparatorHelpButtonID = 407;

const TextEditIniData SeparatorPageIniData = {"", "", 1, 99, 0};
// Digits, the comma between pages and spaces around them.
const TextEditFilterData SeparatorPageFilterData = {
    {3, {{{' ', ' '}, {',', ','}, {'0', '9'}}}},
    {3, {{{' ', ' '}, {',', ','}, {'0', '9'}}}},
    "Message22c",
};
const CtrlAccessInfo SeparatorPageCtrlAccessInfo = {kCtrlValueTypeText, kCtrlValueTypeText,
                                                    printsettings::SeparatorPageTicket, nullptr};

} // namespace

PFSeparatorWnd::PFSeparatorWnd(std::unique_ptr<platform::ui::Window> window, std::string theWinTitleStr,
                               KPRINTFEATURESPDE* panel)
    : FeaturesSetupWindow(std::move(window), std::move(theWinTitleStr), panel, "SpecifyPosition.htm")
{}

void PFSeparatorWnd::CreateWindowControls()
{
    AddLabel("SeparatorLabel", SeparatorLabelID, "Separator Page Statics Text");
    auto pageList = std::make_unique<PFSepTextEditCtrl>();
    pageList->CreateControl(Outlet("SeparatorPageList", SeparatorPageListID), &SeparatorPageIniData, nullptr,
                            &SeparatorPageCtrlAccessInfo, std::nullopt, &SeparatorPageFilterData,
                            "Separator Location Title", kSeparatorMaxPages);
    pageList_ = pageList.get();
    RunTimeAddNewControl(std::move(pageList));
    AddLabel("SeparatorSideLabel", SeparatorSideLabelID, "Separator Location Side Title");
    AddWindowButtons(SeparatorOKButtonID, SeparatorCancelButtonID, SeparatorDefaultButtonID,
                     SeparatorHelpButtonID, {&pfSeparatorListID});
}
