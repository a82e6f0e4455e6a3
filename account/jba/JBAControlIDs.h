// Control IDs (the layouts' tags) of the Job Accounting pane and its three
// windows, and the rules by which one settings-window control governs others.
// The two settings windows share one layout and one set of rules; only their
// tags differ (3000s for the user's window, 2000s for the shared one).
#pragma once

#include <cstdint>

#include "panelkit/control/ControlRecords.h"

// The pane.
extern const int32_t JBAManageTypeListID;      // 1001
extern const int32_t JBADetailSettingButtonID; // 1002
extern const int32_t JBAHelpButtonID;          // 1003
extern const int32_t JBAManageTypeTitleID;     // 1004
extern const int32_t JBAVersionTextID;         // 1005

struct JBASettingsIDs {
    int32_t ok;
    int32_t cancel;
    int32_t restore;
    int32_t help;
    int32_t jobInfoRadio;
    int32_t userIDList;
    int32_t userID;
    int32_t loginName;
    int32_t password;
    int32_t listLabel;
    int32_t userIDLabel;
    int32_t passwordLabel;
    int32_t inputRadio;
    int32_t accountIDLabel;
};
extern const JBASettingsIDs JBAUserWndIDs;  // JBAInfoWnd
extern const JBASettingsIDs JBAAdminWndIDs; // JBAInfoAdminWnd

// The rules of one settings window's controls.
struct JBASettingsRules {
    CnstrnInfo jobInfoRadio; // off: the identity controls are disabled; siblings updated
    CnstrnInfo inputRadio;   // siblings updated
    CnstrnInfo userIDList;   // 1: login name disabled, user ID hidden; 2: login name hidden
};
extern const JBASettingsRules JBAUserWndRules;
extern const JBASettingsRules JBAAdminWndRules;

// What an ordinary user may not change in the shared window: the restore
// button, both radio buttons, the user-ID list and the identity fields with
// their labels.
extern const CnstrnArray JBAAdminWndRestrictionList;

// The input window.
extern const int32_t JBAInputOKButtonID;        // 4001
extern const int32_t JBAInputCancelButtonID;    // 4002
extern const int32_t JBAInputHelpButtonID;      // 4003
extern const int32_t JBAInputUserIDLabelID;     // 4005
extern const int32_t JBAInputUserIDID;          // 4006
extern const int32_t JBAInputPasswordLabelID;   // 4007
extern const int32_t JBAInputPasswordID;        // 4008
extern const int32_t JBAInputStoragePasswordID; // 4009
// Reset each time the window opens: the user ID and the password.
extern const CnstrnArray JBAInputResetList;
