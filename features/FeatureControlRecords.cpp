#include "features/FeatureControlRecords.h"

#include <array>

#include "platform/PrintSettingsKeys.h"

const int32_t pfTabMarginSetupButtonID = 101;
const int32_t pfSeparatorSetupButtonID = 102;
const int32_t pfFrontCoverListID = 103;
const int32_t pfBackCoverListID = 104;
const int32_t pfSeparatorListID = 105;
const int32_t pfBookletMarginCheckBoxID = 106;
const int32_t pfBookletMarginSetupButtonID = 107;
const int32_t pfOffsetStackingSetupButtonID = 108;
const int32_t pfOffsetStackingListID = 109;
const int32_t pfNumInSeqSetupButtonID = 111;

namespace {

// Defaults of "PPD default" records: the control puts the PPD's default
// choice in its own copy; these stand when the PPD gives none (1 for a
// list, 0 for a check box).
constexpr int32_t kListWithoutPPDDefault = 1;
constexpr int32_t kCheckBoxWithoutPPDDefault = 0;

constexpr const int32_t* kSeparatorButtonList[] = {&pfSeparatorSetupButtonID, nullptr};
constexpr const int32_t* kTabMarginButtonList[] = {&pfTabMarginSetupButtonID, nullptr};
constexpr const int32_t* kNumInSeqButtonList[] = {&pfNumInSeqSetupButtonID, nullptr};
constexpr const int32_t* kOffsetStackingButtonList[] = {&pfOffsetStackingSetupButtonID, nullptr};
constexpr const int32_t* kBookletMarginList[] = {&pfBookletMarginCheckBoxID, &pfBookletMarginSetupButtonID,
                                                 nullptr};
constexpr const int32_t* kBookletButtonList[] = {&pfBookletMarginSetupButtonID, nullptr};

// Entry n holds the lists of value n + 1 (pop-ups) or of value n (check boxes).
constexpr std::array<CnstrnArray, 1> kSeparatorDisable = {kSeparatorButtonList};
constexpr std::array<CnstrnArray, 2> kTabMarginDisable = {kTabMarginButtonList, nullptr};
constexpr std::array<CnstrnArray, 2> kNumInSeqDisable = {kNumInSeqButtonList, nullptr};
constexpr std::array<CnstrnArray, 3> kOffsetStackingDisable = {
    kOffsetStackingButtonList, kOffsetStackingButtonList, kOffsetStackingButtonList};
constexpr std::array<CnstrnArray, 1> kSignatureDisable = {kBookletMarginList};
constexpr std::array<CnstrnArray, 2> kBookletMarginDisable = {kBookletButtonList, nullptr};

constexpr std::array<const int32_t*, 3> kCoverTypeWatched = {&pfFrontCoverListID, &pfBackCoverListID,
                                                             &pfSeparatorListID};

} // namespace

const ListCtrlIniData SeparatorListIniData = {0, kListWithoutPPDDefault, -1, 0, nullptr};
const CnstrnInfo SeparatorListCnstrnInfo = {kSeparatorDisable, {}, {}, {}};
const CtrlAccessInfo SeparatorListCtrlAccessInfo = {kCtrlValueTypeInteger, kCtrlValueTypeInteger,
                                                    printsettings::SeparatorPageListTicket, nullptr};

const CheckBoxIniData TabMarginCheckBoxIniData = {0, kCheckBoxWithoutPPDDefault, -1, 0, nullptr, nullptr};
const CnstrnInfo TabMarginCheckBoxCnstrnInfo = {kTabMarginDisable, {}, {}, {}};
const CtrlAccessInfo TabMarginCheckBoxCtrlAccessInfo = {kCtrlValueTypeInteger, kCtrlValueTypeInteger,
                                                        printsettings::TabMarginSwitchTicket, nullptr};

const CheckBoxIniData NumInSequenceCheckBoxIniData = {0, kCheckBoxWithoutPPDDefault, -1, 0, nullptr, nullptr};
const CnstrnInfo NumInSequenceCheckBoxCnstrnInfo = {kNumInSeqDisable, {}, {}, {}};
const CtrlAccessInfo NumInSequenceCheckBoxCtrlAccessInfo = {
    kCtrlValueTypeInteger, kCtrlValueTypeInteger, printsettings::NumInSequenceSwitchTicket, nullptr};

const ListCtrlIniData OffsetStackingListIniData = {0, kListWithoutPPDDefault, -1, 0, nullptr};
const CnstrnInfo OffsetStackingListCnstrnInfo = {kOffsetStackingDisable, {}, {}, {}};
const CtrlAccessInfo OffsetStackingListCtrlAccessInfo = {kCtrlValueTypeInteger, kCtrlValueTypeInteger,
                                                         printsettings::OffsetStackingListTicket, nullptr};

const CnstrnInfo SignatureListCnstrnInfo = {kSignatureDisable, {}, {}, {}};

const CheckBoxIniData BookletMarginCheckBoxIniData = {0, 0, -1, 0, "Booklet Margin Title", nullptr};
const CnstrnInfo BookletMarginCheckBoxCnstrnInfo = {kBookletMarginDisable, {}, {}, {}};
const CtrlAccessInfo BookletMarginCheckBoxCtrlAccessInfo = {
    kCtrlValueTypeInteger, kCtrlValueTypeInteger, printsettings::BookletMarginSwitchTicket, nullptr};

const std::span<const int32_t* const> CoverTypeListBringConsArray(kCoverTypeWatched);
