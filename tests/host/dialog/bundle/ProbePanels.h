// The panels of the host's test bundle, built on the framework's controls
// like the extensions' panels: a Features-kind panel (check box, PPD-bound
// pop-up, text field, stepper, a check box the first one disables, and a
// setup button opening a window with a field, OK and Cancel) and an
// Account-kind panel that may ask for a PIN in a window at print and refuses
// the print when that window is cancelled. Each panel adds its name to
// "com.quorvel.test.PrintOrder" when it is asked at print.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "ProbeControls.h"
#include "panelkit/AppIdentity.h"
#include "panelkit/InputFilter.h"
#include "panelkit/PDEPanel.h"
#include "panelkit/controls/CheckBox.h"

class ProbePanel : public PDEPanel {
public:
    explicit ProbePanel(AppIdentity identity) : identity_(std::move(identity)) {}

    platform::ui::View* panelView() override { return Build() ? GetPanelView() : nullptr; }
    int restoreValuesAndReturnError() override;
    int saveValuesAndReturnError() override;
    void willShow() override { Open(); }
    bool shouldShowHelp() override;

protected:
    // Makes the panel's view, controls and windows; once.
    bool Build();
    virtual void AddControls(platform::ui::Toolkit& toolkit) = 0;
    // Commits the screen and writes the print settings.
    void WriteTicket();
    void NotePrinted(const std::string& name);
    ProbeWindow* MakeWindow(platform::ui::Toolkit& toolkit, const char* titleKey, int32_t fieldID,
                            const TextEditIniData& fieldIni, const TextEditFilterData& filter,
                            const CtrlAccessInfo& access);

    AppIdentity identity_;
    bool built_ = false;
};

class ProbeFeaturesPanel : public ProbePanel {
public:
    using ProbePanel::ProbePanel;
    std::string panelName() const override;
    std::string panelKind() const override { return "com.quorvel.test.hostprobe.PrintFeaturesKind"; }
    std::vector<std::string> supportedPPDOptionKeys() const override { return {"ProbeColor"}; }
    bool shouldPrint() override;
    void summaryInfo(std::map<std::string, std::string>& summary,
                     std::vector<std::string>& order) const override;

private:
    void AddControls(platform::ui::Toolkit& toolkit) override;
    CheckBox* check_ = nullptr;
    ProbeColorList* color_ = nullptr;
};

class ProbeAccountPanel : public ProbePanel {
public:
    using ProbePanel::ProbePanel;
    std::string panelName() const override;
    std::string panelKind() const override { return "com.quorvel.test.hostprobe.AccountKind"; }
    bool shouldPrint() override;

private:
    void AddControls(platform::ui::Toolkit& toolkit) override;
    ProbeWindow* pinWindow_ = nullptr;
};
