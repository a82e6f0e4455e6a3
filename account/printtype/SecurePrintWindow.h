// The secure-print window (print type 2): user ID, passcode and document
// name. The printer holds the job until the person enters the passcode at
// the printer; the passcode goes out enciphered.
#pragma once

#include "account/printtype/PrintTypeDetailsWindow.h"
#include "panelkit/control/BaseControl.h"

class PTPWTextEditCtrl;

class SecurePrintWindow : public PrintTypeDetailsWindow {
public:
    static constexpr const char* kLayoutName = "ZKPrintTypeSecurePrintWindow";

    // kvtControlIDArray: the pane's list of enciphered fields, which the
    // passcode field joins.
    SecurePrintWindow(std::unique_ptr<platform::ui::Window> window, std::string theWinTitleStr,
                      KPRINTTYPEPDE* pane, EncryptArray& kvtControlIDArray);

    void CreateWindowControls() override;
    PTPWTextEditCtrl* getSecurePasscodePtr() const { return passcode_; }

private:
    EncryptArray& kvtControlIDArray_;
    PTPWTextEditCtrl* passcode_ = nullptr;
};
