// Identifiers and set-up records of the Features panel's hand-built
// controls: initial data, constraint lists and where each value is written.
// None of them is stored in the preferences (no prefKey): the Features
// extension keeps its values in presets only.
#pragma once

#include <cstdint>
#include <span>

#include "panelkit/control/ControlRecords.h"
#include "panelkit/control/IniDataRecords.h"

// Control identifiers (the widgets' tags).
extern const int32_t pfTabMarginSetupButtonID;      // 101
extern const int32_t pfSeparatorSetupButtonID;      // 102
extern const int32_t pfFrontCoverListID;            // 103
extern const int32_t pfBackCoverListID;             // 104
extern const int32_t pfSeparatorListID;             // 105
extern const int32_t pfBookletMarginCheckBoxID;     // 106
extern const int32_t pfBookletMarginSetupButtonID;  // 107
extern const int32_t pfOffsetStackingSetupButtonID; // 108
extern const int32_t pfOffsetStackingListID;        // 109
extern const int32_t pfNumInSeqSetupButtonID;       // 111

// Separator list (QVIntSheet): value 1 disables the separator setup button.
extern const ListCtrlIniData SeparatorListIniData;
extern const CnstrnInfo SeparatorListCnstrnInfo;
extern const CtrlAccessInfo SeparatorListCtrlAccessInfo;

// Tab margin check box (QVTabMarginShiftEx): unchecked disables its setup button.
extern const CheckBoxIniData TabMarginCheckBoxIniData;
extern const CnstrnInfo TabMarginCheckBoxCnstrnInfo;
extern const CtrlAccessInfo TabMarginCheckBoxCtrlAccessInfo;

// Number-in-sequence check box (QVTabNumberInSequence): unchecked disables its setup button.
extern const CheckBoxIniData NumInSequenceCheckBoxIniData;
extern const CnstrnInfo NumInSequenceCheckBoxCnstrnInfo;
extern const CtrlAccessInfo NumInSequenceCheckBoxCtrlAccessInfo;

// Offset stacking list (QVJog): values 1, 2 and 3 disable its setup button.
extern const ListCtrlIniData OffsetStackingListIniData;
extern const CnstrnInfo OffsetStackingListCnstrnInfo;
extern const CtrlAccessInfo OffsetStackingListCtrlAccessInfo;

// Signature list (QVSignature): value 1 disables the booklet margin check
// box and its setup button. PPD only.
extern const CnstrnInfo SignatureListCnstrnInfo;

// Booklet margin check box: unchecked disables its setup button.
extern const CheckBoxIniData BookletMarginCheckBoxIniData;
extern const CnstrnInfo BookletMarginCheckBoxCnstrnInfo;
extern const CtrlAccessInfo BookletMarginCheckBoxCtrlAccessInfo;

// The lists the cover media type list watches: front cover, back cover, separator.
extern const std::span<const int32_t* const> CoverTypeListBringConsArray;
