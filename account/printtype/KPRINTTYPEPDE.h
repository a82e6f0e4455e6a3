// The Print Type pane: how the printer holds the job (normal, secure, sample,
// delayed or mailbox printing), with the details of each type entered in a
// modal window. It writes its choices into the job's print settings, which
// the filter turns into the hold commands, and keeps three values of its own
// (user ID, document-name type, document name) in blocks shared by its four
// details windows.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "account/printtype/PTProductInfo.h"
#include "panelkit/AppIdentity.h"
#include "panelkit/PDEPanel.h"
#include "panelkit/control/DataBlock.h"
#include "panelkit/panel/PopupWinInPanel.h"

class PTListCtrl;
class PrintTypeDetailsWindow;

// JobStatus values.
inline constexpr int32_t kJobStatusPrint = 2001;
inline constexpr int32_t kJobStatusCancel = 2002;

// Tags of the pane's layout.
extern const int32_t PrintTypeListCtrlID;  // 101
extern const int32_t PrintTypeListTitleID; // 102
extern const int32_t PrintTypeSetupBtnID;  // 103

class KPRINTTYPEPDE : public PDEPanel {
public:
    KPRINTTYPEPDE() = default;
    ~KPRINTTYPEPDE() override;

    // The extension's identity, for registering its help book.
    void setAppIdentity(AppIdentity identity) { appIdentity = std::move(identity); }

    // --- Print-dialog protocol ---
    std::string panelName() const override;
    std::string panelKind() const override { return "com.quorvel.kt.mq22.pde.PrintTypeKind"; }
    platform::ui::View* panelView() override;
    std::vector<std::string> supportedPPDOptionKeys() const override { return {}; }
    void willShow() override;
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
    // The pane's four keys, then every control of the pane and its windows.
    int SetValueToTicket(platform::PrintSettings* settings, bool lock,
                         const EncryptArray* encryptArray) override;
    using BasePrintPanel::SetValueToTicket;
    bool GetValueFromPreset() override;
    int GetValueFromPreference() override;
    int SetValueToPreference() override;

    // Builds the pane without showing it (the person printed or the dialog
    // restored values before the pane was shown) and loads its values. NO
    // only when the help book could not be registered.
    bool SimulationOpenPDE();
    bool OnClickPrintCommand();
    // Takes every control's screen value and checks each in order; NO at the
    // first refusal.
    bool ValidateUserPane();

    // --- Services for the pane's controls and windows ---
    DataBlock& getPrintTypeUserNameDataBlk() { return printTypeusernameDataBlkPtr; }
    DataBlock& getPrintTypeDocumentListDataBlk() { return documentlistDataBlkPtr; }
    DataBlock& getPrintTypeDocumentNameDataBlk() { return documentnameeditDataBlkPtr; }
    PTListCtrl* getPrintTypeListCtrlPtr() const { return PrintTypeListCtrl; }
    PrintTypeDetailsWindow* getSecurePrintWndPtr() const { return ptSecurePrintWindow; }
    PrintTypeDetailsWindow* getSamplePrintWndPtr() const { return ptSamplePrintWindow; }
    PrintTypeDetailsWindow* getDelayedPrintWndPtr() const { return ptDelayedPrintWindow; }
    PrintTypeDetailsWindow* getMailBoxPrintWndPtr() const { return ptMailBoxPrintWindow; }
    // The details window of a print type; null for normal printing or a
    // window that could not be made.
    PopupWinInPanel* GetPrintTypeWindow(int32_t printType) const;
    // The print type the list shows now (normal printing before it exists).
    int32_t GetCurrentPrintType() const;
    void setJobStatus(int32_t status) { JobStatus = status; }
    int32_t getJobStatus() const { return JobStatus; }
    int32_t getPDEType() const { return pdeType; }
    // Stores the index when the product table has such a row, else 0.
    void setPDEType(int32_t type);
    const PrintTypeEntry* getPTProductInfoPtr() const { return PTProductInfo; }
    int32_t getPTProductInfoCont() const { return kPTProductInfoCount; }
    const char* getPDENibFileNamePrintType() const { return PTProductInfo[pdeType].layoutName; }
    EncryptArray& getKvtControlIDArray() { return kvtControlIDArray; }
    const platform::Bundle* getPluginBundle() const { return pluginBundle.get(); }

private:
    // The strings table: "Localizable" with the PPD's "QVLocalizableFileIndex" value.
    std::string PaneTableName() const;
    // Loads the layout of pdeType once; YES when the view exists.
    bool LoadPaneLayout();
    // Steps 3 to 5 of a print: screen values into the controls, the
    // preferences on old systems, the ticket.
    void CommitAndWrite();
    void CreatePaneControls(bool cdfSupported);
    void CreateDetailsWindows();
    platform::ui::Widget* Outlet(const char* name, int32_t tag) const;

    std::unique_ptr<platform::ui::View> loadedView_; // until CreatePanel takes it
    platform::ui::View* PrintTypeView = nullptr;
    platform::ui::Widget* PrintTypeListTitle = nullptr;
    platform::ui::Widget* PrintTypeList = nullptr;
    platform::ui::Widget* PrintTypeSetupButton = nullptr;
    platform::ui::Widget* PrintTypeDefault = nullptr;
    platform::ui::Widget* PrintTypeHelpButton = nullptr;
    platform::ui::Widget* VersionString = nullptr;

    BaseControl* PrintTypeListTitleCtrl = nullptr;
    PTListCtrl* PrintTypeListCtrl = nullptr;
    BaseControl* PrintTypeSetupBtnCtrl = nullptr;
    BaseControl* PrintTypeDefaultButtonCtrl = nullptr;
    BaseControl* PrintTypeHelpBtnCtrl = nullptr;
    BaseControl* PrintTypeVerstionStrCtrl = nullptr;
    BaseControl* hardDiskCtrl = nullptr;
    PrintTypeDetailsWindow* ptSecurePrintWindow = nullptr;
    PrintTypeDetailsWindow* ptSamplePrintWindow = nullptr;
    PrintTypeDetailsWindow* ptDelayedPrintWindow = nullptr;
    PrintTypeDetailsWindow* ptMailBoxPrintWindow = nullptr;

    DataBlock printTypeusernameDataBlkPtr;
    DataBlock documentlistDataBlkPtr;
    DataBlock documentnameeditDataBlkPtr;
    EncryptArray kvtControlIDArray;
    int32_t JobStatus = kJobStatusCancel;
    bool built_ = false;
    OSStatus helpBookStatus_ = noErr; // of the last help-book registration

    AppIdentity appIdentity;
    int32_t pdeType = 0;
    mutable std::string paneName_; // built once
};
