#include "account/jba/JBAControlIDs.h"

const int32_t JBAManageTypeListID = 1001;
const int32_t JBADetailSettingButtonID = 1002;
const int32_t JBAHelpButtonID = 1003;
const int32_t JBAManageTypeTitleID = 1004;
const int32_t JBAVersionTextID = 1005;

const JBASettingsIDs JBAUserWndIDs = {3001, 3002, 3003, 3004, 3005, 3006, 3007,
                                      3008, 3009, 3010, 3011, 3012, 3017, 3019};
const JBASettingsIDs JBAAdminWndIDs = {2001, 2002, 2003, 2004, 2005, 2006, 2007,
                                       2008, 2009, 2010, 2011, 2012, 2017, 2019};

namespace {

// The lists of one window, built on its IDs.
template <const JBASettingsIDs& ids>
struct SettingsLists {
    static constexpr const int32_t* identity[] = {&ids.userIDList,  &ids.listLabel, &ids.userID,
                                                  &ids.userIDLabel, &ids.password,  &ids.passwordLabel,
                                                  nullptr};
    static constexpr const int32_t* toInput[] = {&ids.inputRadio, nullptr};
    static constexpr const int32_t* toJobInfo[] = {&ids.jobInfoRadio, nullptr};
    static constexpr const int32_t* loginName[] = {&ids.loginName, nullptr};
    static constexpr const int32_t* userID[] = {&ids.userID, nullptr};

    static constexpr CnstrnArray jobInfoDisable[] = {identity, nullptr};
    static constexpr CnstrnArray jobInfoUpdate[] = {toInput, toInput};
    static constexpr CnstrnArray inputUpdate[] = {toJobInfo, toJobInfo};
    static constexpr CnstrnArray listDisable[] = {loginName, nullptr};
    static constexpr CnstrnArray listHide[] = {userID, loginName};

    static constexpr JBASettingsRules rules = {
        {jobInfoDisable, {}, jobInfoUpdate, {}},
        {{}, {}, inputUpdate, {}},
        {listDisable, listHide, {}, {}},
    };
};

const int32_t* const AdminRestriction[] = {&JBAAdminWndIDs.restore,
                                           &JBAAdminWndIDs.jobInfoRadio,
                                           &JBAAdminWndIDs.inputRadio,
                                           &JBAAdminWndIDs.userIDList,
                                           &JBAAdminWndIDs.listLabel,
                                           &JBAAdminWndIDs.userID,
                                           &JBAAdminWndIDs.userIDLabel,
                                           &JBAAdminWndIDs.loginName,
                                           &JBAAdminWndIDs.password,
                                           &JBAAdminWndIDs.passwordLabel,
                                           nullptr};

} // namespace

const JBASettingsRules JBAUserWndRules = SettingsLists<JBAUserWndIDs>::rules;
const JBASettingsRules JBAAdminWndRules = SettingsLists<JBAAdminWndIDs>::rules;
const CnstrnArray JBAAdminWndRestrictionList = AdminRestriction;

const int32_t JBAInputOKButtonID = 4001;
const int32_t JBAInputCancelButtonID = 4002;
const int32_t JBAInputHelpButtonID = 4003;
const int32_t JBAInputUserIDLabelID = 4005;
const int32_t JBAInputUserIDID = 4006;
const int32_t JBAInputPasswordLabelID = 4007;
const int32_t JBAInputPasswordID = 4008;
const int32_t JBAInputStoragePasswordID = 4009;

namespace {
const int32_t* const InputReset[] = {&JBAInputUserIDID, &JBAInputPasswordID, nullptr};
} // namespace
const CnstrnArray JBAInputResetList = InputReset;
