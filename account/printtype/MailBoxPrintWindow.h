// The mailbox-print window (print type 5): mailbox number, mailbox passcode
// and document name. The printer files the job in that mailbox; the passcode
// goes out enciphered.
#pragma once

#include "account/printtype/PrintTypeDetailsWindow.h"
#include "panelkit/control/BaseControl.h"

class MailBoxPrintWindow : public PrintTypeDetailsWindow {
public:
    static constexpr const char* kLayoutName = "ZKPrintTypeMailBoxPrintWindow";

    // kvtControlIDArray: the pane's list of enciphered fields, which the
    // mailbox passcode field joins.
    MailBoxPrintWindow(std::unique_ptr<platform::ui::Window> window, std::string theWinTitleStr,
                       KPRINTTYPEPDE* pane, EncryptArray& kvtControlIDArray);

    void CreateWindowControls() override;

private:
    EncryptArray& kvtControlIDArray_;
};
