// The base of every panel an extension shows and, through PopupWinInPanel, of
// every modal window such a panel opens. A panel owns its controls and child
// windows and broadcasts each step of the dialog's lifecycle to them.
//
// Iteration rules: a broadcast over controls reaches every control of
// fCtrlGroupArray in order, whatever each answers; a broadcast over child
// windows stops at the first window that answers a non-zero status.
//
// Ownership: the panel owns each control and window it was given exactly once
// (one owning store); fCtrlGroupArray, fCtrlInstallableGroupArray and
// fWindowGroupArray hold plain pointers, so a control may sit in both control
// lists, or in the installable list only. The panel's view or window is owned
// here too and outlives the controls whose widgets it holds.
//
// The print-dialog protocol (platform::PrintDialogPanel) belongs to the
// concrete panels, not to this class: a child window is no print-dialog panel.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <cups/ppd.h>

#include "constraints/XppdTable.h"
#include "panelkit/control/BaseControl.h"
#include "platform/Bundle.h"
#include "platform/PreferenceStore.h"
#include "platform/PrintDialogHost.h"
#include "platform/PrintSession.h"
#include "platform/PrintSettings.h"
#include "platform/ui/View.h"
#include "platform/ui/Window.h"

class PopupWinInPanel;

class BasePrintPanel {
public:
    // Out of line, as the destructor: the owned windows' type is incomplete here.
    BasePrintPanel();
    BasePrintPanel(const BasePrintPanel&) = delete;
    BasePrintPanel& operator=(const BasePrintPanel&) = delete;
    virtual ~BasePrintPanel(); // dealloc

    virtual bool initWithCallback(platform::PrintDialogHost* callback);
    // Creates the lists empty and takes the panel's view (a top-level panel)
    // or its modal window (a child window).
    virtual bool CreatePanel(std::unique_ptr<platform::ui::View> view);
    virtual bool CreatePanel(std::unique_ptr<platform::ui::Window> window);
    // Empties the three lists and the printer string; owned objects stay
    // until the panel is destroyed, so each is released exactly once.
    virtual void terminate();

    virtual int Open();
    virtual int Close();
    virtual int GetSummaryText(SummaryDictionary& summary, SummaryOrder& order);
    void SetPanelControlPtr(platform::ui::View* view) { windowRef = view; }

    virtual int InitializeUserPane(const platform::Bundle* bundle, ppd_file_t* ppd);
    virtual int InitializeUserPaneControl(const platform::Bundle* bundle, ppd_file_t* ppd);
    virtual int InitilaizeChildWindow(const platform::Bundle* bundle, ppd_file_t* ppd);
    virtual void SetControlEventHandler();
    virtual int ConstrainPanelControlFromPPD(ppd_file_t* ppd);
    virtual int UpdateConflictsPanelControlFromPPD(ppd_file_t* ppd);

    void SetCurrentPrintSession(platform::PrintSession* session) { currentPrintSession = session; }
    platform::PrintSession* GetCurrentPrintSession() const { return currentPrintSession; }
    virtual const std::string& GetCurrentPrinterString() const { return currentPrintString; }
    virtual bool SetCurrentPrinterString(platform::PrintSession* session);
    virtual bool SetCurrentPrintSettings(platform::PrintSettings* settings, ppd_file_t* ppd,
                                         platform::PrintDialogHost* callback,
                                         platform::PrintSession* session);

    // The control whose widget's tag is the ID: this panel's two lists, then
    // each child window, recursively; null when none.
    BaseControl* GetPanelControl(const int32_t* controlID) const;

    // Append to a list and answer the new object's index (the count before);
    // -1 when the list does not exist. The unique_ptr forms give the panel
    // the object; the pointer forms list one the panel already owns (null or
    // a stranger is refused with -1).
    int RunTimeAddNewControl(std::unique_ptr<BaseControl> control);
    int RunTimeAddNewControl(BaseControl* control);
    int RunTimeAddNewInstallableControl(std::unique_ptr<BaseControl> control);
    int RunTimeAddNewInstallableControl(BaseControl* control);
    int RunTimeAddNewWindow(std::unique_ptr<PopupWinInPanel> window);

    virtual int SetUIDataToIniData();
    virtual int SetDefaultValueToUI();
    virtual int GetValueFromPreference();
    virtual int SetValueToPreference();
    virtual int GetValueFromPreferenceWithPrinterSettings();
    virtual int SetValueToPreferenceWithPrinterSettings();
    virtual int SetValueToTicket(platform::PrintSettings* settings, bool lock,
                                 const EncryptArray* encryptArray);
    virtual int SetValueToTicket(platform::PrintSettings* settings, bool lock);
    virtual int ReInitializeUserPaneControl(const platform::Bundle* bundle, ppd_file_t* ppd);
    virtual int SetCurrentValueToUI();
    virtual int SetValueFromUIToControl();
    void SetParenetPane(BasePrintPanel* parent) { pParentPane = parent; }
    BasePrintPanel* GetParentWnd() const { return pParentPane; }
    virtual void* GetPrinterSupporttedListRef() { return nullptr; }
    virtual BasePrintPanel* GetErrMsgPanel() { return nullptr; }
    ppd_file_t* GetPPDRefFromCurrentPrintSession() const;
    virtual bool GetValueFromPreset();
    virtual void ResetControlStatus();
    virtual void ResetCurrentControlStatus();
    XppdTable* Getxppd() const { return xppd; }
    void SetxppdPtr(XppdTable* table);

    const platform::Bundle* GetPDEBundleRef() const { return pdeBundleRef; }
    std::vector<std::string>& getGroupNameStrArrayRef() { return AllGroupNameStrArray; }
    const std::vector<BaseControl*>& getCtrlGroupArrayRef() const { return fCtrlGroupArray; }
    const std::vector<BaseControl*>& getInstallableCtrlGroupArrayRef() const
    {
        return fCtrlInstallableGroupArray;
    }
    const std::vector<PopupWinInPanel*>& getWindowGroupArrayRef() const { return fWindowGroupArray; }
    void SetCurrentPMPrintSettings(platform::PrintSettings* settings) { m_pSettings = settings; }
    platform::PrintSettings* GetCurrentPMPrintSettings() const { return m_pSettings; }
    void SetCurrentPPD(ppd_file_t* ppd) { m_ptCurrentPPD = ppd; }
    ppd_file_t* GetCurrentPPD() const { return m_ptCurrentPPD; }
    void SetCurrentPDECallbackObj(platform::PrintDialogHost* callback) { m_pPDECallbackObj = callback; }
    platform::PrintDialogHost* GetCurrentPDECallbackObj() const { return m_pPDECallbackObj; }
    const std::string& GetLocalizeTableName() const { return localizeTableName; }
    uint32_t GetOSVersion() const { return osVersion; }

    // The host's services (beep, alerts, toolkit, help) through the callback
    // object, the parent's for a child window; null without one.
    platform::HostServices* GetHostServices() const;
    // The platform preferences store used below version code 0x1070, shared
    // by a panel and its child windows.
    platform::PreferenceStore& GetPreferenceStore();
    // The view the panel's controls live in (a child window's content view).
    platform::ui::View* GetPanelView() const { return windowRef; }

protected:
    // Whether the control is one this panel owns (the pointer forms of
    // RunTimeAddNew* list only those).
    bool Owns(const BaseControl* control) const;

    // Declared first so that they are destroyed last, after the controls
    // whose widgets they hold.
    std::unique_ptr<platform::ui::View> ownedView_;
    std::unique_ptr<platform::ui::Window> ownedWindow_;
    std::unique_ptr<platform::PreferenceStore> preferenceStore_;
    std::vector<std::unique_ptr<BaseControl>> ownedControls_;
    std::vector<std::unique_ptr<PopupWinInPanel>> ownedWindows_;

    std::string thePDEName;
    std::string currentPrintString;
    std::vector<BaseControl*> fCtrlGroupArray;
    std::vector<BaseControl*> fCtrlInstallableGroupArray;
    std::vector<PopupWinInPanel*> fWindowGroupArray;
    bool listsExist_ = false; // from CreatePanel to terminate
    std::vector<std::string> AllGroupNameStrArray;
    std::vector<std::string> GeneralGroupOptionArray;
    BasePrintPanel* pParentPane = nullptr;
    platform::ui::View* windowRef = nullptr;
    const platform::Bundle* pdeBundleRef = nullptr;
    platform::PrintSession* currentPrintSession = nullptr;
    XppdTable* xppd = nullptr;
    bool isRegistPrintEvent = false;
    platform::PrintSettings* m_pSettings = nullptr;
    ppd_file_t* m_ptCurrentPPD = nullptr;
    platform::PrintDialogHost* m_pPDECallbackObj = nullptr;
    std::string localizeTableName;
    uint32_t osVersion = 0;
};
