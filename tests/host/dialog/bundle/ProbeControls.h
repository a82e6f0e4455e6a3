// The controls of the host's test bundle that do more than the standard
// ones: a pop-up bound to a PPD option, the setup button that opens a window,
// and the OK and Cancel buttons of a window.
#pragma once

#include <string_view>

#include "panelkit/controls/BaseButton.h"
#include "panelkit/controls/PopupControl.h"
#include "panelkit/panel/PopupWinInPanel.h"

// A pop-up whose items are the choices of a PPD option (item keys are the
// choice keywords): it shows the PPD's marked choice and, on print, hands the
// chosen one to the dialog instead of writing the print settings.
class ProbeColorList : public PopupControl {
public:
    bool GetValueToPreset() override;
    using BaseControl::SetValueToTicket;
    bool SetValueToTicket(platform::PrintSettings* settings, bool lock) override;
    std::string_view ControlClassName() const override { return "ProbeColorList"; }
};

// A window that knows whether it was confirmed.
class ProbeWindow : public PopupWinInPanel {
public:
    using PopupWinInPanel::PopupWinInPanel;
    bool confirmed = false;
};

// Opens its window modally.
class ProbeSetupButton : public BaseButton {
public:
    explicit ProbeSetupButton(ProbeWindow& window) : window_(window) {}
    bool UIEventHandler() override;
    std::string_view ControlClassName() const override { return "ProbeSetupButton"; }

private:
    ProbeWindow& window_;
};

// Checks the window's fields (each refusal shows its message), takes their
// values and closes the window; a refused field keeps it open.
class ProbeOKButton : public BaseButton {
public:
    bool UIEventHandler() override;
    std::string_view ControlClassName() const override { return "ProbeOKButton"; }
};

// Closes the window without taking its values.
class ProbeCancelButton : public BaseButton {
public:
    bool UIEventHandler() override;
    std::string_view ControlClassName() const override { return "ProbeCancelButton"; }
};
