// The static records of the tab margin and booklet margin windows: control
// IDs, initial data, character filters with their messages, where each value
// is kept (print-settings keys; nothing in the preferences, which this
// platform does not read back), and the lists by which the unit radio
// buttons hide the other unit's controls and the fields keep each other in
// step.
#pragma once

#include <cstdint>

#include "features/windows/MarginFieldRules.h"
#include "panelkit/InputFilter.h"
#include "panelkit/control/ControlRecords.h"
#include "panelkit/control/IniDataRecords.h"

// One unit of one window: its label, unit label, text edit, stepper and
// radio button with their records.
struct MarginUnitRecords {
    MarginField field;
    const int32_t& labelID;
    const int32_t& unitLabelID;
    const int32_t& editID;
    const int32_t& stepperID;
    const int32_t& radioID;
    const char* labelKey;
    const char* unitLabelKey;
    const TextEditIniData& editIniData;
    const TextEditFilterData& editFilter;
    const CtrlAccessInfo& editAccess;
    const CnstrnInfo& editCnstrn;
    const LittleArrayIniData& stepperIniData;
    const CtrlAccessInfo& stepperAccess;
    const CnstrnInfo& stepperCnstrn;
    const CheckBoxIniData& radioIniData;
    const CtrlAccessInfo& radioAccess;
    const CnstrnInfo& radioCnstrn;
    // The other unit's text edit, checked before this radio button may be chosen.
    const int32_t& radioValidateID;
};

extern const MarginUnitRecords TabMarginInchRecords;
extern const MarginUnitRecords TabMarginMMRecords;
extern const MarginUnitRecords BookletMarginInchRecords;
extern const MarginUnitRecords BookletMarginMMRecords;

extern const int32_t BookletAutoFitCheckBoxID; // 310
extern const CheckBoxIniData BookletAutoFitCheckBoxIniData;
extern const CtrlAccessInfo BookletAutoFitCheckBoxCtrlAccessInfo;
