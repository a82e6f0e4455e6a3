// BasePrintPanel: the lifecycle broadcasts. Over controls every control of
// fCtrlGroupArray gets the step, whatever each answers; over child windows
// the step stops at the first window that answers a non-zero status.
#include "panelkit/control/LocalizeTableName.h"
#include "panelkit/panel/BasePrintPanel.h"
#include "panelkit/panel/PopupWinInPanel.h"

namespace {

// Sends the step to the windows in order; the first non-zero status ends
// the broadcast and is answered.
template <typename Step>
int UntilFirstFailure(const std::vector<PopupWinInPanel*>& windows, Step step)
{
    for (PopupWinInPanel* window : windows) {
        if (const int status = step(*window); status != 0) return status;
    }
    return 0;
}

} // namespace

int BasePrintPanel::Open()
{
    for (BaseControl* control : fCtrlGroupArray) control->Open();
    UntilFirstFailure(fWindowGroupArray, [](PopupWinInPanel& window) { return window.Open(); });
    return 0;
}

int BasePrintPanel::Close()
{
    for (BaseControl* control : fCtrlGroupArray) control->Close();
    UntilFirstFailure(fWindowGroupArray, [](PopupWinInPanel& window) { return window.Close(); });
    return 0;
}

int BasePrintPanel::GetSummaryText(SummaryDictionary& summary, SummaryOrder& order)
{
    for (BaseControl* control : fCtrlGroupArray) control->GetSummaryText(summary, order);
    UntilFirstFailure(fWindowGroupArray,
                      [&](PopupWinInPanel& window) { return window.GetSummaryText(summary, order); });
    return 0;
}

int BasePrintPanel::InitializeUserPane(const platform::Bundle* bundle, ppd_file_t* ppd)
{
    if (localizeTableName.empty()) {
        if (std::optional<std::string> table = LocalizeTableNameFromPPD(ppd))
            localizeTableName = std::move(*table);
    }
    pdeBundleRef = bundle;
    InitializeUserPaneControl(bundle, ppd);
    SetControlEventHandler();
    InitilaizeChildWindow(bundle, ppd);
    ConstrainPanelControlFromPPD(ppd);
    return 0;
}

int BasePrintPanel::InitializeUserPaneControl(const platform::Bundle* bundle, ppd_file_t* ppd)
{
    for (BaseControl* control : fCtrlGroupArray) control->InitializeCtrl(bundle, ppd);
    return 0;
}

int BasePrintPanel::InitilaizeChildWindow(const platform::Bundle* bundle, ppd_file_t* ppd)
{
    return UntilFirstFailure(fWindowGroupArray,
                             [&](PopupWinInPanel& window) { return window.InitializeUserPane(bundle, ppd); });
}

void BasePrintPanel::SetControlEventHandler()
{
    for (BaseControl* control : fCtrlGroupArray) control->setTargetandAction();
}

int BasePrintPanel::ConstrainPanelControlFromPPD(ppd_file_t* ppd)
{
    for (BaseControl* control : fCtrlInstallableGroupArray) control->ConstrainPanelControlFromPPD(ppd);
    return 0;
}

int BasePrintPanel::UpdateConflictsPanelControlFromPPD(ppd_file_t* ppd)
{
    for (BaseControl* control : fCtrlGroupArray) control->UpdateConflictsPanelControlFromPPD(ppd);
    return 0;
}

int BasePrintPanel::SetUIDataToIniData()
{
    for (BaseControl* control : fCtrlGroupArray) control->SetUIValueToIniData();
    UntilFirstFailure(fWindowGroupArray, [](PopupWinInPanel& window) { return window.SetUIDataToIniData(); });
    return 0;
}

int BasePrintPanel::SetDefaultValueToUI()
{
    for (BaseControl* control : fCtrlGroupArray) {
        control->SetDefaultValueToUI();
        control->SimulationUIEventHandler();
    }
    return 0;
}

int BasePrintPanel::GetValueFromPreference()
{
    for (BaseControl* control : fCtrlGroupArray) {
        if (!control->GetValueFromPreference()) control->SetControlValueToDefault();
    }
    UntilFirstFailure(fWindowGroupArray,
                      [](PopupWinInPanel& window) { return window.GetValueFromPreference(); });
    return 0;
}

// The status of a store: with child windows, the first window's failure
// (the controls' answers are not reported); without, whether the last
// control's store failed.
int BasePrintPanel::SetValueToPreference()
{
    int status = 0;
    for (BaseControl* control : fCtrlGroupArray) status = control->SetValueToPreference() ? 0 : 1;
    if (fWindowGroupArray.empty()) return status;
    return UntilFirstFailure(fWindowGroupArray,
                             [](PopupWinInPanel& window) { return window.SetValueToPreference(); });
}

int BasePrintPanel::GetValueFromPreferenceWithPrinterSettings()
{
    for (BaseControl* control : fCtrlGroupArray) {
        if (!control->GetValueFromPreferenceWithPrinterSettings()) control->SetControlValueToDefault();
    }
    UntilFirstFailure(fWindowGroupArray, [](PopupWinInPanel& window) {
        return window.GetValueFromPreferenceWithPrinterSettings();
    });
    return 0;
}

int BasePrintPanel::SetValueToPreferenceWithPrinterSettings()
{
    int status = 0;
    for (BaseControl* control : fCtrlGroupArray)
        status = control->SetValueToPreferenceWithPrinterSettings() ? 0 : 1;
    if (fWindowGroupArray.empty()) return status;
    return UntilFirstFailure(fWindowGroupArray, [](PopupWinInPanel& window) {
        return window.SetValueToPreferenceWithPrinterSettings();
    });
}

int BasePrintPanel::SetValueToTicket(platform::PrintSettings* settings, bool lock,
                                     const EncryptArray* encryptArray)
{
    for (BaseControl* control : fCtrlGroupArray) {
        if (encryptArray != nullptr) {
            control->SetValueToTicket(settings, lock, encryptArray);
        } else {
            control->SetValueToTicket(settings, lock);
        }
    }
    UntilFirstFailure(fWindowGroupArray, [&](PopupWinInPanel& window) {
        return window.SetValueToTicket(settings, lock, encryptArray);
    });
    return 0;
}

int BasePrintPanel::SetValueToTicket(platform::PrintSettings* settings, bool lock)
{
    for (BaseControl* control : fCtrlGroupArray) control->SetValueToTicket(settings, lock);
    UntilFirstFailure(fWindowGroupArray,
                      [&](PopupWinInPanel& window) { return window.SetValueToTicket(settings, lock); });
    return 0;
}

int BasePrintPanel::ReInitializeUserPaneControl(const platform::Bundle* bundle, ppd_file_t* ppd)
{
    for (BaseControl* control : fCtrlGroupArray) {
        control->ReInitializeCtrl(bundle, ppd);
        control->ResetStatus();
    }
    return 0;
}

// Every control shows its value before any runs its rules, so no rule acts
// on a control that still shows a stale value.
int BasePrintPanel::SetCurrentValueToUI()
{
    for (BaseControl* control : fCtrlGroupArray) control->SetControlValueToUI();
    for (BaseControl* control : fCtrlGroupArray) control->SimulationUIEventHandler();
    UntilFirstFailure(fWindowGroupArray,
                      [](PopupWinInPanel& window) { return window.SetCurrentValueToUI(); });
    return 0;
}

int BasePrintPanel::SetValueFromUIToControl()
{
    for (BaseControl* control : fCtrlGroupArray) {
        if (control->GetValueFromUI() != nullptr) control->SetValueFromUIToControl();
    }
    return 0;
}

bool BasePrintPanel::GetValueFromPreset()
{
    for (BaseControl* control : fCtrlGroupArray) {
        if (!control->GetValueToPreset()) control->SetControlValueToDefault();
    }
    for (PopupWinInPanel* window : fWindowGroupArray) {
        if (!window->GetValueFromPreset()) break;
    }
    return true;
}

void BasePrintPanel::ResetControlStatus()
{
    for (BaseControl* control : fCtrlGroupArray) {
        if (control->GetControlPtr() != nullptr) control->ResetStatus();
    }
    for (PopupWinInPanel* window : fWindowGroupArray) window->ResetControlStatus();
    if (m_ptCurrentPPD != nullptr) ConstrainPanelControlFromPPD(m_ptCurrentPPD);
}

void BasePrintPanel::ResetCurrentControlStatus()
{
    for (BaseControl* control : fCtrlGroupArray) {
        if (control->GetControlPtr() != nullptr) control->ResetStatus();
    }
    if (m_ptCurrentPPD != nullptr) ConstrainPanelControlFromPPD(m_ptCurrentPPD);
}
