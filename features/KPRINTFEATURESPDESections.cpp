// The Features panel: the hand-built sections (covers and separators,
// booklet layout, advanced features) with their setup buttons and windows.
#include "features/KPRINTFEATURESPDE.h"

#include "constraints/XPPDLookups.h"
#include "features/FeatureControlRecords.h"
#include "features/FeatureWindows.h"
#include "features/windows/FeaturesSetupWindow.h"
#include "features/controls/PFCheckBox.h"
#include "features/controls/PFCheckBoxExt.h"
#include "features/controls/PFCoverList.h"
#include "features/controls/PFCoverTypeList.h"
#include "features/controls/PFListExt.h"
#include "features/controls/PFNonPPDCheckBox.h"
#include "features/controls/PFOffsetStackingListCtrl.h"
#include "features/controls/PFSetupButton.h"
#include "features/controls/PPDStaticTextCtrlExt.h"
#include "panelkit/UtilityFunction.h"
#include "panelkit/panel/PopupWinInPanel.h"

namespace {

const ppd_option_t* FindOption(ppd_file_t* ppd, std::string_view keyword)
{
    if (ppd == nullptr) return nullptr;
    return ppdFindOption(ppd, std::string(keyword).c_str());
}

} // namespace

BaseButton* KPRINTFEATURESPDE::AddSetupButton(std::unique_ptr<BaseButton> button,
                                              platform::ui::Widget* outlet, const int32_t* controlID,
                                              int indexInPanel, int group)
{
    if (outlet != nullptr) {
        if (controlID != nullptr) outlet->setTag(*controlID);
        const platform::ui::Rect frame{static_cast<double>(kButtonHoffset + pfCtrlPositionData.titleHoffset),
                                       static_cast<double>(RowTopOfIndex(pfCtrlPositionData, indexInPanel)),
                                       kSetupButtonWidth, kControlRowHeight};
        outlet->setFrame(PanelFrameOfGroupBoxRect(PrintFeaturesView, frame));
    }
    button->SetInWhichGroup(group);
    BaseButton* made = button.get();
    RunTimeAddNewControl(std::move(button));
    return made;
}

PopupWinInPanel* KPRINTFEATURESPDE::AddFeaturesWindow(const char* outletName, const char* titleKey)
{
    std::unique_ptr<FeaturesSetupWindow> window = CreateFeaturesWindow(*this, outletName, titleKey);
    if (window == nullptr) return nullptr;
    FeaturesSetupWindow* made = window.get();
    RunTimeAddNewWindow(std::move(window));
    made->CreateWindowControls();
    return made;
}

void KPRINTFEATURESPDE::CreateCoversSepControl(int group)
{
    ppd_file_t* ppd = m_ptCurrentPPD;
    int index = 0;
    for (const std::string& keyword : CoverSeparatorRealOptionKeyArray) {
        const ppd_option_t* option = FindOption(ppd, keyword);
        if (option == nullptr) continue;
        const int row = index++;
        AppendKeyword(keyword);
        PopupRowPlacement placement;
        placement.indexInPanel = row;
        placement.group = group;
        placement.parentGroup = PrintFeaturesView;
        if (keyword == "QVIntSheet") {
            placement.ctrlTotalLength = kTabMarginCtrlTotalWidth;
            placement.titleCtrl = AddTitleLabel(*option, row, group, &placement.titleCtrlLength);
            auto list = std::make_unique<PFListExt>();
            list->CreateControl(nullptr, keyword, &SeparatorListIniData, &SeparatorListCnstrnInfo,
                                &SeparatorListCtrlAccessInfo, platform::PreferenceUser::Current, placement,
                                pfSeparatorListID);
            pfSeparatorListCtrlPtr = list.get();
            RunTimeAddNewControl(std::move(list));
            auto button = std::make_unique<PFSepSetupButton>();
            button->CreateControl(pfSeparatorSetupButton, "Setup Button Text");
            pfSeparatorSetupBtnCtrlPtr = AddSetupButton(std::move(button), pfSeparatorSetupButton,
                                                        &pfSeparatorSetupButtonID, row, group);
            SeparatorWndPtr = AddFeaturesWindow("SeparatorWnd", "Separator Window Title String");
        } else if (keyword == "QVIntCoverSheet" || keyword == "QVIntBackCoverSheet") {
            placement.titleCtrl = AddTitleLabel(*option, row, group, &placement.titleCtrlLength);
            auto list = std::make_unique<PFCoverList>();
            list->CreateControl(nullptr, keyword, nullptr, nullptr, nullptr, std::nullopt, placement,
                                keyword == "QVIntCoverSheet" ? pfFrontCoverListID : pfBackCoverListID);
            RunTimeAddNewControl(std::move(list));
        } else if (keyword == "QVIntSheetMediaType") {
            placement.titleCtrl = AddTitleLabel(*option, row, group, &placement.titleCtrlLength);
            auto list = std::make_unique<PFCoverTypeList>();
            list->CreateControl(nullptr, keyword, nullptr, nullptr, nullptr, std::nullopt, placement,
                                CoverTypeListBringConsArray);
            RunTimeAddNewControl(std::move(list));
        } else {
            AddGenericOptionControl(*option, row, group, kPopUpCtrlTotalWidth);
        }
    }
}

void KPRINTFEATURESPDE::CreateLayoutControl(int group)
{
    ppd_file_t* ppd = m_ptCurrentPPD;
    int index = 0;
    for (const std::string& keyword : LayoutOptionKeyArray) {
        const ppd_option_t* option = FindOption(ppd, keyword);
        if (option == nullptr || option->ui != PPD_UI_PICKONE) continue;
        const int row = index++;
        PopupRowPlacement placement;
        placement.indexInPanel = row;
        placement.group = group;
        placement.parentGroup = PrintFeaturesView;
        placement.titleCtrl = AddTitleLabel(*option, row, group, &placement.titleCtrlLength);
        auto list = std::make_unique<PFList>();
        list->CreateControl(nullptr, keyword, nullptr,
                            keyword == "QVSignature" ? &SignatureListCnstrnInfo : nullptr, nullptr,
                            std::nullopt, placement);
        RunTimeAddNewControl(std::move(list));
        AppendKeyword(keyword);
    }
    for (const std::string& keyword : LayoutOptionKeyArray) {
        const ppd_option_t* option = FindOption(ppd, keyword);
        if (option == nullptr || option->ui != PPD_UI_BOOLEAN) continue;
        auto box = std::make_unique<PFCheckBox>();
        box->CreateControl(nullptr, keyword, nullptr, nullptr, nullptr, std::nullopt, index++, group,
                           PrintFeaturesView, &pfCtrlPositionData);
        RunTimeAddNewControl(std::move(box));
        AppendKeyword(keyword);
    }
    const int row = index;
    auto margin = std::make_unique<PFNonPPDCheckBox>();
    margin->CreateControl(nullptr, &BookletMarginCheckBoxIniData, &BookletMarginCheckBoxCnstrnInfo,
                          &BookletMarginCheckBoxCtrlAccessInfo, std::nullopt, row, group, PrintFeaturesView,
                          &pfCtrlPositionData, pfBookletMarginCheckBoxID);
    pfBookletMarginCheckBoxPtr = margin.get();
    RunTimeAddNewControl(std::move(margin));
    auto button = std::make_unique<PFBookletSetupButton>();
    button->CreateControl(pfBookletMarginSetupButton, "Setup Button Text");
    pfBookletMarginSetupBtnCtrlPtr = AddSetupButton(std::move(button), pfBookletMarginSetupButton,
                                                    &pfBookletMarginSetupButtonID, row, group);
    BookletMarginWndPtr = AddFeaturesWindow("BookletMarginWnd", "Booklet Margin Window Title String");
}

void KPRINTFEATURESPDE::CreateAdvancedFeaturesControl(int group)
{
    ppd_file_t* ppd = m_ptCurrentPPD;
    int row = 0;
    if (CheckPPDKeyIsExist(ppd, "QVTabMarginShiftEx")) {
        auto box = std::make_unique<PFCheckBoxExt>();
        box->CreateControl(nullptr, "QVTabMarginShiftEx", &TabMarginCheckBoxIniData,
                           &TabMarginCheckBoxCnstrnInfo, &TabMarginCheckBoxCtrlAccessInfo, std::nullopt, row,
                           group, PrintFeaturesView, &pfCtrlPositionData);
        pfTabMarginCheckBoxPtr = box.get();
        RunTimeAddNewControl(std::move(box));
        auto button = std::make_unique<PFTabSetupButton>();
        button->CreateControl(pfTabMarginSetupButton, "Shift Button Text");
        pfTabMarginSetupBtnCtrlPtr =
            AddSetupButton(std::move(button), pfTabMarginSetupButton, &pfTabMarginSetupButtonID, row, group);
        TabMarginWndPtr = AddFeaturesWindow("TabMarginWnd", "Tab Margin Window Title String");
        AppendKeyword("QVTabMarginShiftEx");
        ++row;
    }
    if (CheckPPDKeyIsExist(ppd, "QVTabNumberInSequence")) {
        auto box = std::make_unique<PFCheckBoxExt>();
        box->CreateControl(nullptr, "QVTabNumberInSequence", &NumInSequenceCheckBoxIniData,
                           &NumInSequenceCheckBoxCnstrnInfo, &NumInSequenceCheckBoxCtrlAccessInfo,
                           std::nullopt, row, group, PrintFeaturesView, &pfCtrlPositionData);
        pfNumInSequenceCheckBoxPtr = box.get();
        RunTimeAddNewControl(std::move(box));
        auto button = std::make_unique<PFNumInSeqButton>();
        button->CreateControl(pfNumInSeqSetupButton, "Num In Sequence Button Text");
        pfNumInSequenceSetupBtnCtrlPtr =
            AddSetupButton(std::move(button), pfNumInSeqSetupButton, &pfNumInSeqSetupButtonID, row, group);
        NumberInSeqWndPtr = AddFeaturesWindow("NumberInSeqWnd", "Number In Sequence Window Title String");
        AppendKeyword("QVTabNumberInSequence");
        ++row;
    }
    if (const ppd_option_t* option = FindOption(ppd, "QVJog")) {
        PopupRowPlacement placement;
        placement.ctrlTotalLength = kPopUpCtrlTotalWidthWithButton;
        placement.indexInPanel = row;
        placement.group = group;
        placement.parentGroup = PrintFeaturesView;
        placement.titleCtrl = AddTitleLabel(*option, row, group, &placement.titleCtrlLength);
        auto list = std::make_unique<PFOffsetStackingListCtrl>();
        list->CreateControl(nullptr, "QVJog", &OffsetStackingListIniData, &OffsetStackingListCnstrnInfo,
                            &OffsetStackingListCtrlAccessInfo, std::nullopt, placement);
        list->SetControlTag(pfOffsetStackingListID);
        pOffsetStackingListCtrlPtr = list.get();
        RunTimeAddNewControl(std::move(list));
        auto button = std::make_unique<PFOffsetStackingButton>();
        button->CreateControl(pfOffsetStackingSetupButton, "Offset Stacking Button Text");
        pfOffsetStackingSetupButtonPtr = AddSetupButton(std::move(button), pfOffsetStackingSetupButton,
                                                        &pfOffsetStackingSetupButtonID, row, group);
        OffsetStackingPagesWndPtr =
            AddFeaturesWindow("OffsetStackingPagesWnd", "Offset Per Page Window Title String");
        OffsetStackingUnitsWndPtr =
            AddFeaturesWindow("OffsetStackingUnitsWnd", "Offset Per Copy Window Title String");
        AppendKeyword("QVJog");
    }
}
