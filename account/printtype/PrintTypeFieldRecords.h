// The static records of the details windows' text fields and document-name
// list: lengths (display lengths), character ranges with the message shown
// for a refused value, and where each value is kept. The user ID and the
// document name are kept in the pane's shared blocks, so their records name
// no ticket or preference key; the pane writes those itself.
#pragma once

#include "panelkit/InputFilter.h"
#include "panelkit/control/ControlRecords.h"
#include "panelkit/control/IniDataRecords.h"

extern const TextEditIniData PTUserIDIniData;
extern const TextEditIniData PTPasscodeIniData;
extern const TextEditIniData PTMailBoxNumberIniData;
extern const TextEditIniData PTMailBoxPasscodeIniData;
extern const TextEditIniData PTDocumentNameIniData;
// Labels carry no value; their record only satisfies the static text's creator.
extern const TextEditIniData PTStaticTextIniData;

extern const TextEditFilterData PTUserIDFilterData;
extern const TextEditFilterData PTUserIDFilterDataForProduct02;
extern const TextEditFilterData PTPasscodeFilterData;
extern const TextEditFilterData PTMailBoxNumberFilterData;
extern const TextEditFilterData PTMailBoxPasscodeFilterData;
extern const TextEditFilterData PTDocumentNameFilterData;
extern const TextEditFilterData PTDocumentNameFilterDataForProduct02;

// Messages of an empty user ID (the filter records carry the others).
inline constexpr const char* kPTUserIDEmptyMessage = "Message42";
inline constexpr const char* kPTUserIDEmptyMessageForProduct02 = "Message42b";

extern const CtrlAccessInfo PTUserIDCtrlAccessInfo;
extern const CtrlAccessInfo PTPasscodeCtrlAccessInfo;
extern const CtrlAccessInfo PTMailBoxNumberCtrlAccessInfo;
extern const CtrlAccessInfo PTMailBoxPasscodeCtrlAccessInfo;
extern const CtrlAccessInfo PTDocumentNameCtrlAccessInfo;
extern const CtrlAccessInfo PTDocumentListCtrlAccessInfo;

// The document-name list: automatic (1) or typed (2); the default is 2 for
// product types 2 and 3.
extern const ListCtrlIniData PTDocumentListIniData;
extern const ListCtrlIniData PTDocumentListIniDataForProduct0203;
