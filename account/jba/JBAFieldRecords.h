// The static records of the Job Accounting pane and its three windows: the
// text fields' lengths (display lengths) and character ranges with the
// message shown for a refused value, the lists' items, and where each value
// is kept (print-settings key and preference reference key).
#pragma once

#include "panelkit/InputFilter.h"
#include "panelkit/control/ControlRecords.h"
#include "panelkit/control/IniDataRecords.h"

extern const TextEditIniData JBAUserIDIniData;
extern const TextEditIniData JBALoginNameIniData;
extern const TextEditIniData JBAPasswordIniData;
extern const TextEditIniData JBAStoragePasswordIniData;
// Labels carry no value; their record only satisfies the static text's creator.
extern const TextEditIniData JBAStaticTextIniData;

extern const TextEditFilterData JBAUserIDFilterData;
extern const TextEditFilterData JBALoginNameFilterData;
extern const TextEditFilterData JBAPasswordFilterData;
extern const TextEditFilterData JBAStoragePasswordFilterData;

// The accounting-mode list: 1 the shared settings, 2 the user's own; default 2.
extern const ListCtrlIniData JBAManageTypeListIniData;
extern const CtrlAccessInfo JBAManageTypeListCtrlAccessInfo;
// The user-ID source list: 1 the login name, 2 a typed name; default 1.
extern const ListCtrlIniData JBAUserIDListIniData;
// The job-information radio (default on) and the enter-at-print-time radio (default off).
extern const CheckBoxIniData JBAJobInfoRadioIniData;
extern const CheckBoxIniData JBAInputRadioIniData;

// The six fields of a settings window; the two windows differ only in keys.
struct JBASettingsAccess {
    CtrlAccessInfo jobInfoRadio;
    CtrlAccessInfo userIDList;
    CtrlAccessInfo userID;
    CtrlAccessInfo loginName;
    CtrlAccessInfo password;
    CtrlAccessInfo inputRadio;
};
extern const JBASettingsAccess JBAUserSettingsAccess;
extern const JBASettingsAccess JBAAdminSettingsAccess;

extern const CtrlAccessInfo JBAInputUserIDCtrlAccessInfo;
extern const CtrlAccessInfo JBAInputPasswordCtrlAccessInfo;
extern const CtrlAccessInfo JBAInputStoragePasswordCtrlAccessInfo;
