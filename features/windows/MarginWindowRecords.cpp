#include "features/windows/MarginWindowRecords.h"

#include <array>

#include "features/windows/MarginFieldRules.h"
#include "platform/PrintSettingsKeys.h"

namespace {

const int32_t TabInchLabelID = 201;
const int32_t TabInchUnitLabelID = 202;
const int32_t TabMMLabelID = 203;
const int32_t TabMMUnitLabelID = 204;
const int32_t TabInchEditID = 211;
const int32_t TabInchStepperID = 212;
const int32_t TabMMEditID = 213;
const int32_t TabMMStepperID = 214;
const int32_t TabMMRadioID = 215;
const int32_t TabInchRadioID = 216;

const int32_t BookletInchLabelID = 301;
const int32_t BookletInchUnitLabelID = 302;
const int32_t BookletMMLabelID = 303;
const int32_t BookletMMUnitLabelID = 304;
const int32_t BookletInchEditID = 311;
const int32_t BookletInchStepperID = 312;
const int32_t BookletMMEditID = 313;
const int32_t BookletMMStepperID = 314;
const int32_t BookletMMRadioID = 315;
const int32_t BookletInchRadioID = 316;

// A field's filter record: its form's characters with its message.
TextEditFilterData FilterOf(MarginField field, const char* messageKey)
{
    const TextEditFilterData& characters = *FormatOfMarginField(field).filter;
    return {characters.byteFilter, characters.wordFilter, messageKey};
}

constexpr CtrlAccessInfo IntegerAt(const char* ticketKey)
{
    return {kCtrlValueTypeInteger, kCtrlValueTypeInteger, ticketKey, nullptr};
}

constexpr CtrlAccessInfo TextAt(const char* ticketKey)
{
    return {kCtrlValueTypeText, kCtrlValueTypeText, ticketKey, nullptr};
}

// Each unit's controls, hidden while its radio button is off.
constexpr const int32_t* kTabInchUnit[] = {&TabInchEditID, &TabInchStepperID, &TabInchLabelID,
                                           &TabInchUnitLabelID, nullptr};
constexpr const int32_t* kTabMMUnit[] = {&TabMMEditID, &TabMMStepperID, &TabMMLabelID, &TabMMUnitLabelID,
                                         nullptr};
constexpr const int32_t* kBookletInchUnit[] = {&BookletInchEditID, &BookletInchStepperID, &BookletInchLabelID,
                                               &BookletInchUnitLabelID, nullptr};
constexpr const int32_t* kBookletMMUnit[] = {&BookletMMEditID, &BookletMMStepperID, &BookletMMLabelID,
                                             &BookletMMUnitLabelID, nullptr};

// A text edit updates its stepper and the other unit's edit; a stepper its
// edit; a radio button its sibling.
constexpr const int32_t* kTabInchEditUpdates[] = {&TabInchStepperID, &TabMMEditID, nullptr};
constexpr const int32_t* kTabMMEditUpdates[] = {&TabMMStepperID, &TabInchEditID, nullptr};
constexpr const int32_t* kTabInchStepperUpdates[] = {&TabInchEditID, nullptr};
constexpr const int32_t* kTabMMStepperUpdates[] = {&TabMMEditID, nullptr};
constexpr const int32_t* kTabInchRadioUpdates[] = {&TabMMRadioID, nullptr};
constexpr const int32_t* kTabMMRadioUpdates[] = {&TabInchRadioID, nullptr};
constexpr const int32_t* kBookletInchEditUpdates[] = {&BookletInchStepperID, &BookletMMEditID, nullptr};
constexpr const int32_t* kBookletMMEditUpdates[] = {&BookletMMStepperID, &BookletInchEditID, nullptr};
constexpr const int32_t* kBookletInchStepperUpdates[] = {&BookletInchEditID, nullptr};
constexpr const int32_t* kBookletMMStepperUpdates[] = {&BookletMMEditID, nullptr};
constexpr const int32_t* kBookletInchRadioUpdates[] = {&BookletMMRadioID, nullptr};
constexpr const int32_t* kBookletMMRadioUpdates[] = {&BookletInchRadioID, nullptr};

// Entry n holds the lists of value n (radio buttons: 0 off, 1 on).
constexpr std::array<CnstrnArray, 1> kTabInchHide = {kTabInchUnit};
constexpr std::array<CnstrnArray, 1> kTabMMHide = {kTabMMUnit};
constexpr std::array<CnstrnArray, 1> kBookletInchHide = {kBookletInchUnit};
constexpr std::array<CnstrnArray, 1> kBookletMMHide = {kBookletMMUnit};
constexpr std::array<CnstrnArray, 1> kTabInchEditUpdate = {kTabInchEditUpdates};
constexpr std::array<CnstrnArray, 1> kTabMMEditUpdate = {kTabMMEditUpdates};
constexpr std::array<CnstrnArray, 1> kTabInchStepperUpdate = {kTabInchStepperUpdates};
constexpr std::array<CnstrnArray, 1> kTabMMStepperUpdate = {kTabMMStepperUpdates};
constexpr std::array<CnstrnArray, 1> kTabInchRadioUpdate = {kTabInchRadioUpdates};
constexpr std::array<CnstrnArray, 1> kTabMMRadioUpdate = {kTabMMRadioUpdates};
constexpr std::array<CnstrnArray, 1> kBookletInchEditUpdate = {kBookletInchEditUpdates};
constexpr std::array<CnstrnArray, 1> kBookletMMEditUpdate = {kBookletMMEditUpdates};
constexpr std::array<CnstrnArray, 1> kBookletInchStepperUpdate = {kBookletInchStepperUpdates};
constexpr std::array<CnstrnArray, 1> kBookletMMStepperUpdate = {kBookletMMStepperUpdates};
constexpr std::array<CnstrnArray, 1> kBookletInchRadioUpdate = {kBookletInchRadioUpdates};
constexpr std::array<CnstrnArray, 1> kBookletMMRadioUpdate = {kBookletMMRadioUpdates};

const CnstrnInfo TabInchEditCnstrn = {{}, {}, kTabInchEditUpdate, {}};
const CnstrnInfo TabMMEditCnstrn = {{}, {}, kTabMMEditUpdate, {}};
const CnstrnInfo TabInchStepperCnstrn = {{}, {}, kTabInchStepperUpdate, {}};
const CnstrnInfo TabMMStepperCnstrn = {{}, {}, kTabMMStepperUpdate, {}};
const CnstrnInfo TabInchRadioCnstrn = {{}, kTabInchHide, kTabInchRadioUpdate, {}};
const CnstrnInfo TabMMRadioCnstrn = {{}, kTabMMHide, kTabMMRadioUpdate, {}};
const CnstrnInfo BookletInchEditCnstrn = {{}, {}, kBookletInchEditUpdate, {}};
const CnstrnInfo BookletMMEditCnstrn = {{}, {}, kBookletMMEditUpdate, {}};
const CnstrnInfo BookletInchStepperCnstrn = {{}, {}, kBookletInchStepperUpdate, {}};
const CnstrnInfo BookletMMStepperCnstrn = {{}, {}, kBookletMMStepperUpdate, {}};
const CnstrnInfo BookletInchRadioCnstrn = {{}, kBookletInchHide, kBookletInchRadioUpdate, {}};
const CnstrnInfo BookletMMRadioCnstrn = {{}, kBookletMMHide, kBookletMMRadioUpdate, {}};

const TextEditFilterData TabInchFilter = FilterOf(MarginField::TabInch, "Message22b2");
const TextEditFilterData TabMMFilter = FilterOf(MarginField::TabMM, "Message22b");
const TextEditFilterData BookletInchFilter = FilterOf(MarginField::BookletInch, "Message22e2");
const TextEditFilterData BookletMMFilter = FilterOf(MarginField::BookletMM, "Message22e");

// Initial text, default text, length bounds.
const TextEditIniData TabInchIniData = {"0.00", "0.50", 1, 4, 0};
const TextEditIniData TabMMIniData = {"0.0", "12.7", 1, 4, 0};
const TextEditIniData BookletInchIniData = {"0.0", "0.0", 1, 3, 0};
const TextEditIniData BookletMMIniData = {"0", "0", 1, 2, 0};

// Default, initial, minimum, maximum, step.
const LittleArrayIniData TabInchStepperIniData = {0, 50, -1, 0, 59, 1, 0, 0};
const LittleArrayIniData TabMMStepperIniData = {0, 127, -1, 0, 150, 1, 0, 0};
const LittleArrayIniData BookletInchStepperIniData = {0, 0, -1, 0, 10, 1, 0, 0};
const LittleArrayIniData BookletMMStepperIniData = {0, 0, -1, 0, 25, 1, 0, 0};

const CheckBoxIniData TabMMRadioIniData = {
    0, 1, -1, 0, "Tab Margin MM Radio Button Title", "Tab Margin Summary for MM Radio Button Title"};
const CheckBoxIniData TabInchRadioIniData = {
    0, 0, -1, 0, "Tab Margin Inches Radio Button Title", "Tab Margin Summary for Inches Radio Button Title"};
const CheckBoxIniData BookletMMRadioIniData = {
    0, 1, -1, 0, "Booklet Margin MM Radio Button Title", "Booklet Margin Summary for MM Radio Button Title"};
const CheckBoxIniData BookletInchRadioIniData = {0,
                                                 0,
                                                 -1,
                                                 0,
                                                 "Booklet Margin Inches Radio Button Title",
                                                 "Booklet Margin Summary for Inches Radio Button Title"};

const CtrlAccessInfo TabInchEditAccess = TextAt(printsettings::TabMarginInchesTextEditTicket);
const CtrlAccessInfo TabMMEditAccess = TextAt(printsettings::TabMarginMMTextEditTicket);
const CtrlAccessInfo BookletInchEditAccess = TextAt(printsettings::BookletMarginInchesTextEditTicket);
const CtrlAccessInfo BookletMMEditAccess = TextAt(printsettings::BookletMarginMMTextEditTicket);
const CtrlAccessInfo TabInchStepperAccess = IntegerAt(printsettings::TabMarginInchesShiftTicket);
const CtrlAccessInfo TabMMStepperAccess = IntegerAt(printsettings::TabMarginMMShiftTicket);
const CtrlAccessInfo BookletInchStepperAccess = IntegerAt(printsettings::BookletMarginInchesShiftTicket);
const CtrlAccessInfo BookletMMStepperAccess = IntegerAt(printsettings::BookletMarginMMShiftTicket);
const CtrlAccessInfo TabInchRadioAccess = IntegerAt(printsettings::TabMarginInchesRadioTicket);
const CtrlAccessInfo TabMMRadioAccess = IntegerAt(printsettings::TabMarginMMRadioTicket);
const CtrlAccessInfo BookletInchRadioAccess = IntegerAt(printsettings::BookletMarginInchesRadioTicket);
const CtrlAccessInfo BookletMMRadioAccess = IntegerAt(printsettings::BookletMarginMMRadioTicket);

} // namespace

const MarginUnitRecords TabMarginInchRecords = {MarginField::TabInch,
                                                TabInchLabelID,
                                                TabInchUnitLabelID,
                                                TabInchEditID,
                                                TabInchStepperID,
                                                TabInchRadioID,
                                                "Tab Margin Inch Static Text",
                                                "Tab Margin Inch Side Static Text",
                                                TabInchIniData,
                                                TabInchFilter,
                                                TabInchEditAccess,
                                                TabInchEditCnstrn,
                                                TabInchStepperIniData,
                                                TabInchStepperAccess,
                                                TabInchStepperCnstrn,
                                                TabInchRadioIniData,
                                                TabInchRadioAccess,
                                                TabInchRadioCnstrn,
                                                TabMMEditID};
const MarginUnitRecords TabMarginMMRecords = {MarginField::TabMM,
                                              TabMMLabelID,
                                              TabMMUnitLabelID,
                                              TabMMEditID,
                                              TabMMStepperID,
                                              TabMMRadioID,
                                              "Tab Margin MM Static Text",
                                              "Tab Margin MM Side Static Text",
                                              TabMMIniData,
                                              TabMMFilter,
                                              TabMMEditAccess,
                                              TabMMEditCnstrn,
                                              TabMMStepperIniData,
                                              TabMMStepperAccess,
                                              TabMMStepperCnstrn,
                                              TabMMRadioIniData,
                                              TabMMRadioAccess,
                                              TabMMRadioCnstrn,
                                              TabInchEditID};
const MarginUnitRecords BookletMarginInchRecords = {MarginField::BookletInch,
                                                    BookletInchLabelID,
                                                    BookletInchUnitLabelID,
                                                    BookletInchEditID,
                                                    BookletInchStepperID,
                                                    BookletInchRadioID,
                                                    "Booklet Margin Inch Static Text",
                                                    "Booklet Margin Inch Side Static Text",
                                                    BookletInchIniData,
                                                    BookletInchFilter,
                                                    BookletInchEditAccess,
                                                    BookletInchEditCnstrn,
                                                    BookletInchStepperIniData,
                                                    BookletInchStepperAccess,
                                                    BookletInchStepperCnstrn,
                                                    BookletInchRadioIniData,
                                                    BookletInchRadioAccess,
                                                    BookletInchRadioCnstrn,
                                                    BookletMMEditID};
const MarginUnitRecords BookletMarginMMRecords = {MarginField::BookletMM,
                                                  BookletMMLabelID,
                                                  BookletMMUnitLabelID,
                                                  BookletMMEditID,
                                                  BookletMMStepperID,
                                                  BookletMMRadioID,
                                                  "Booklet Margin MM Static Text",
                                                  "Booklet Margin MM Side Static Text",
                                                  BookletMMIniData,
                                                  BookletMMFilter,
                                                  BookletMMEditAccess,
                                                  BookletMMEditCnstrn,
                                                  BookletMMStepperIniData,
                                                  BookletMMStepperAccess,
                                                  BookletMMStepperCnstrn,
                                                  BookletMMRadioIniData,
                                                  BookletMMRadioAccess,
                                                  BookletMMRadioCnstrn,
                                                  BookletInchEditID};

const int32_t BookletAutoFitCheckBoxID = 310;
const CheckBoxIniData BookletAutoFitCheckBoxIniData = {0, 1, -1, 0, "Booklet Margin Auto Fit Text", nullptr};
const CtrlAccessInfo BookletAutoFitCheckBoxCtrlAccessInfo = IntegerAt(printsettings::AutoFitSwitchTicket);
