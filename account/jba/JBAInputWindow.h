// The window that asks for the accounting user ID and password (and the
// storage passcode) when a job is printed and the settings say they are to
// be typed for each job. OK lets the print go ahead, Cancel refuses it.
#pragma once

#include <memory>
#include <string>

#include "panelkit/panel/PopupWinInPanel.h"

class KJOBACCOUNTINGPDE;

class JBAInputWindow : public PopupWinInPanel {
public:
    static constexpr const char* kLayoutName = "ZKPrintJBAInputWindow";

    JBAInputWindow(std::unique_ptr<platform::ui::Window> window, std::string theWinTitleStr,
                   KJOBACCOUNTINGPDE* pane, EncryptArray& kvtControlIDArray, CnstrnArray resetList);

    void CreateWindowControls();

    void Present() { ActivateWindow(); }
    // Refreshes, empties the fields of the reset list, shows the values and
    // runs the window modally.
    void ActivateWindow() override;
    // Resets the fields of the reset list to their defaults.
    void SetControlDataToDefault();
    int GetSummaryText(SummaryDictionary& /*summary*/, SummaryOrder& /*order*/) override { return 0; }

    void OKButtonPressed();
    void CancelButtonPressed();

private:
    platform::ui::Widget* Outlet(const char* name, int32_t tag) const;

    KJOBACCOUNTINGPDE* pane_;
    EncryptArray& kvtControlIDArray_;
    CnstrnArray resetList_;
};
