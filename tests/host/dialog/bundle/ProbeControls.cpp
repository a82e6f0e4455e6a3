#include "ProbeControls.h"

#include "panelkit/panel/BasePrintPanel.h"

bool ProbeColorList::GetValueToPreset()
{
    ppd_file_t* ppd = GetParentPanel() != nullptr ? GetParentPanel()->GetCurrentPPD() : nullptr;
    if (ppd == nullptr || m_ptPPDOptions == nullptr || ControlPtr == nullptr) return false;
    const ppd_choice_t* marked = ppdFindMarkedChoice(ppd, m_ptPPDOptions->keyword);
    if (marked == nullptr) return false;
    for (int i = 0; i < ControlPtr->numberOfItems(); ++i)
        if (ControlPtr->itemAtIndex(i).representedObject == marked->choice) return StoreRestoredInt(i + 1);
    return false;
}

bool ProbeColorList::SetValueToTicket(platform::PrintSettings* /*settings*/, bool /*lock*/)
{
    BasePrintPanel* panel = GetParentPanel();
    platform::PrintDialogHost* host = panel != nullptr ? panel->GetCurrentPDECallbackObj() : nullptr;
    const platform::ui::StoredValue value = ControlStoredValue();
    const auto* number = std::get_if<long long>(&value);
    if (host == nullptr || m_ptPPDOptions == nullptr || number == nullptr || *number < 1) return false;
    const std::string choice = ControlPtr->itemAtIndex(static_cast<int>(*number) - 1).representedObject;
    return host->willChangePPDOptionKeyValue(m_ptPPDOptions->keyword, choice);
}

bool ProbeSetupButton::UIEventHandler()
{
    window_.confirmed = false;
    window_.ActivateWindow();
    return true;
}

bool ProbeOKButton::UIEventHandler()
{
    auto* window = static_cast<ProbeWindow*>(GetParentPanel());
    window->SycValueFromUI();
    for (BaseControl* control : window->getCtrlGroupArrayRef())
        if (!control->InvalidateData()) return true;
    window->SetValueFromUIToControl();
    window->confirmed = true;
    window->DeactivateWindow();
    return true;
}

bool ProbeCancelButton::UIEventHandler()
{
    auto* window = static_cast<ProbeWindow*>(GetParentPanel());
    window->confirmed = false;
    window->DeactivateWindow();
    return true;
}
