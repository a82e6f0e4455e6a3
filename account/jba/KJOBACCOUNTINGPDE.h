// The Job Accounting pane: how the person printing is identified to the
// printer's job-based accounting. The pane holds the accounting-mode list, the
// detail settings button, the help button and the version text; the user ID
// and password live in three modal windows. At print time it may ask for them
// in the input window, and it stamps the job with the computer's name, host
// name, client address, date and time.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "account/JBAProductInfo.h"
#include "panelkit/AppIdentity.h"
#include "panelkit/PDEPanel.h"

class JBAListCtrl;
class JBASettingsWindow;
class JBAInputWindow;

// JobStatus values: 0 before the first print attempt.
inline constexpr int32_t kJBAJobStatusPrint = 2001;
inline constexpr int32_t kJBAJobStatusCancel = 2002;

class KJOBACCOUNTINGPDE : public PDEPanel {
public:
    KJOBACCOUNTINGPDE() = default;
    ~KJOBACCOUNTINGPDE() override;

    void setAppIdentity(AppIdentity identity) { appIdentity = std::move(identity); }

    // --- Print-dialog protocol ---
    std::string panelName() const override;
    std::string panelKind() const override { return "com.quorvel.kt.mq22.pde.AccountKind"; }
    platform::ui::View* panelView() override;
    std::vector<std::string> supportedPPDOptionKeys() const override { return {}; }
    void willShow() override {}
    bool shouldHide() override { return true; }
    bool shouldPrint() override;
    bool shouldShowHelp() override;
    int saveValuesAndReturnError() override;
    int restoreValuesAndReturnError() override;
    void summaryInfo(std::map<std::string, std::string>& summary,
                     std::vector<std::string>& order) const override;
    void PPDOptionKeyValueDidChange(const std::string& /*option*/, const std::string& /*choice*/) override {}

    // --- Framework overrides ---
    bool CreatePanel(std::unique_ptr<platform::ui::View> view) override;
    using BasePrintPanel::CreatePanel;
    void terminate() override;

    // Builds the pane without showing it and loads its values; NO only when
    // the help book could not be registered.
    bool SimulationOpenPDE();
    // Presents the input window when the current mode asks for input at print
    // time; YES when the print may go ahead.
    bool OnClickPrintCommand();

    // --- Services for the windows and controls ---
    // The mode list's index; -1 without the list.
    int32_t getAccountMode() const;
    JBAListCtrl* getjobAcctTypeListCtrlPtr() const { return jobAcctTypeListCtrl; }
    JBAListCtrl* getjbaMngTypeLboxCtrl() const { return jobAcctTypeListCtrl; }
    JBASettingsWindow* getjbaInfoAdminWnd() const { return jbaInfoAdminWnd; }
    JBASettingsWindow* getjbaInfoWnd() const { return jbaInfoWnd; }
    JBAInputWindow* getjbaInputWnd() const { return jbaInputWndRes; }
    // The current mode's window asks for the details at print time.
    bool getbInputWndVisible() const;
    void setJobStatus(int32_t status) { JobStatus = status; }
    int32_t getJobStatus() const { return JobStatus; }
    int32_t getPDEType() const { return pdeType; }
    // Stores 0 for an index outside the product table.
    void setPDEType(int32_t type) { pdeType = type >= 0 && type < kJBAProductInfoCount ? type : 0; }
    const PrintTypeEntry* getJBAProductInfoPtr() const { return JBAProductInfo; }
    int32_t getJBAProductInfoCont() const { return kJBAProductInfoCount; }
    const char* getPDENibFileNamePrintType() const { return JBAProductInfo[pdeType].layoutName; }
    EncryptArray& getKvtControlIDArray() { return kvtControlIDArray; }

private:
    std::string PaneTableName() const;
    bool LoadPaneLayout();
    // Builds the controls and windows (first time) and hands the dialog's
    // objects to the framework.
    void BuildPane(platform::PrintDialogHost& callback, ppd_file_t* ppd);
    void CreatePaneControls(bool cdfSupported);
    void CreateWindows();
    // Loads the values from the preferences of the system's kind.
    void LoadValues();
    // Steps 4 to 6 of a print: screen values, preferences, ticket.
    void CommitAndWrite(platform::PrintSettings* settings);
    platform::ui::Widget* Outlet(const char* name, int32_t tag) const;

    std::unique_ptr<platform::ui::View> loadedView_; // until CreatePanel takes it
    platform::ui::View* jbaView = nullptr;

    BaseControl* jbaMngTypeSTextCtrl = nullptr;
    JBAListCtrl* jobAcctTypeListCtrl = nullptr;
    BaseControl* jbaDetailSettingButCtrl = nullptr;
    BaseControl* jbaWndHelpButtonCtrlPtr = nullptr;
    BaseControl* jbaVerStringSTextCtrlPtr = nullptr;
    JBASettingsWindow* jbaInfoAdminWnd = nullptr;
    JBASettingsWindow* jbaInfoWnd = nullptr;
    JBAInputWindow* jbaInputWndRes = nullptr;

    EncryptArray kvtControlIDArray;
    int32_t JobStatus = 0;
    bool built_ = false;
    OSStatus helpBookStatus_ = noErr;
    AppIdentity appIdentity;
    int32_t pdeType = 0;
    mutable std::string paneName_;
};
