// The two accounting settings windows (one layout, "ZKPrintJBAInfoWindow"):
// JBAInfoAdminWnd keeps the values every user of the computer shares (mode
// index 0; only administrators change them), JBAInfoWnd the current user's
// (mode index 1). Each holds whether the job carries the identity given here
// or asks for it at print time, where the user ID comes from (the login name
// or a typed name), the user ID, the login name and the password.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "account/jba/JBAControlIDs.h"
#include "account/jba/JBAFieldRecords.h"
#include "panelkit/controls/RadioGroup.h"
#include "panelkit/panel/PopupWinInPanel.h"

class KJOBACCOUNTINGPDE;
class JBAWndRadioButton;
class JBAWndListCtrl;

class JBASettingsWindow : public PopupWinInPanel {
public:
    static constexpr const char* kLayoutName = "ZKPrintJBAInfoWindow";

    JBASettingsWindow(std::unique_ptr<platform::ui::Window> window, std::string theWinTitleStr,
                      KJOBACCOUNTINGPDE* pane, int32_t modeIndex, const JBASettingsIDs& ids,
                      const JBASettingsAccess& access, const JBASettingsRules& rules,
                      platform::PreferenceUser user, EncryptArray& kvtControlIDArray);
    ~JBASettingsWindow() override;

    // Makes the window's controls over its layout's widgets and registers them.
    void CreateWindowControls();

    // Refreshes (rebuilt on a repeated opening), shows the current values,
    // applies the shared window's restriction and runs the window modally.
    void ActivateWindow() override;
    // Only while the pane's mode selects this window.
    int GetSummaryText(SummaryDictionary& summary, SummaryOrder& order) override;

    // The enter-at-print-time radio is on.
    bool getbEnterUserDetails() const;
    // The user-ID source is the login name.
    bool getbUseLoginNameSelect() const;
    JBAWndRadioButton* getjbaWndJobInputRdioCtrl() const { return inputRadio_; }
    int32_t GetModeIndex() const { return modeIndex_; }

    void OKButtonPressed();
    void CancelButtonPressed();
    void RestoreButtonPressed();

private:
    platform::ui::Widget* Outlet(const char* name, int32_t tag) const;
    void AddLabel(const char* outlet, int32_t tag, const char* textKey);

    KJOBACCOUNTINGPDE* pane_;
    int32_t modeIndex_;
    const JBASettingsIDs& ids_;
    const JBASettingsAccess& access_;
    const JBASettingsRules& rules_;
    platform::PreferenceUser user_;
    EncryptArray& kvtControlIDArray_;
    RadioGroup radioGroup_;
    JBAWndRadioButton* jobInfoRadio_ = nullptr;
    JBAWndRadioButton* inputRadio_ = nullptr;
    JBAWndListCtrl* userIDList_ = nullptr;
    BaseControl* userID_ = nullptr;
    BaseControl* loginName_ = nullptr;
    BaseControl* password_ = nullptr;
    // The fields checked before the enter-at-print-time radio changes.
    const int32_t* fieldsToCheck_[3] = {};
};

// Mode index 0: the values of every user of the computer.
class JBAInfoAdminWnd : public JBASettingsWindow {
public:
    JBAInfoAdminWnd(std::unique_ptr<platform::ui::Window> window, KJOBACCOUNTINGPDE* pane,
                    EncryptArray& kvtControlIDArray);
    JBAWndRadioButton* getjbaAdmnWndJobInputRdioCtrl() const { return getjbaWndJobInputRdioCtrl(); }
};

// Mode index 1: the current user's values.
class JBAInfoWnd : public JBASettingsWindow {
public:
    JBAInfoWnd(std::unique_ptr<platform::ui::Window> window, KJOBACCOUNTINGPDE* pane,
               EncryptArray& kvtControlIDArray);
};
