// A print dialog without a screen for tests of panels and controls: host
// services lending the headless toolkit, a session whose printer has the
// given ID, the job's print settings and, when a test gives one, a PPD.
// Attach hands a panel all of it, as the dialog's first display would.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "host/headless/HeadlessToolkit.h"
#include "panelkit/panel/BasePrintPanel.h"
#include "platform/PpdFile.h"
#include "platform/PrintDialogHost.h"
#include "platform/RecordingHostServices.h"

namespace testing_support {

class PanelTestHost : public platform::PrintDialogHost {
public:
    explicit PanelTestHost(std::string printerID = "TestPrinter");

    ppd_file_t* ppdFile() override { return ppd_.get(); }
    platform::PrintSettings* printSettings() override { return &settings_; }
    platform::PrintSession* printSession() override { return &session_; }
    // Marks the choice in the PPD when there is one and records it.
    bool willChangePPDOptionKeyValue(std::string_view option, std::string_view choice) override;
    platform::HostServices& hostServices() override { return services_; }

    platform::RecordingHostServices& Services() { return services_; }
    host::HeadlessToolkit& Toolkit() { return toolkit_; }
    platform::PrintSettings& Settings() { return settings_; }
    platform::PrintSession& Session() { return session_; }
    void SetPPD(PpdFilePtr ppd) { ppd_ = std::move(ppd); }
    // The choices the panels asked the dialog to mark, in order.
    const std::vector<std::pair<std::string, std::string>>& MarkedChoices() const { return marked_; }

    // initWithCallback with this host, CreatePanel with a new view and
    // SetCurrentPrintSettings with the settings, PPD and session.
    void Attach(BasePrintPanel& panel);
    // A window for a child of the panel (owned by the caller, listed under
    // the panel's view).
    std::unique_ptr<platform::ui::Window> NewWindow(BasePrintPanel& owner);
    // A widget of the kind in the panel's view (a window's content view),
    // tagged with the control ID.
    static platform::ui::Widget* AddWidget(BasePrintPanel& panel, platform::ui::WidgetKind kind, int tag);

private:
    platform::RecordingHostServices services_;
    host::HeadlessToolkit toolkit_;
    platform::PrintSettings settings_;
    platform::PrintSession session_;
    PpdFilePtr ppd_;
    std::vector<std::pair<std::string, std::string>> marked_;
};

} // namespace testing_support
