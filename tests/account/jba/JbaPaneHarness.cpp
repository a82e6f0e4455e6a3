#include "tests/account/jba/JbaPaneHarness.h"

#include "host/headless/PersonActions.h"
#include "platform/PpdFile.h"

namespace jbatest {

std::string ProjectPPD(const std::string& name) { return std::string(QV_PPD_DIR) + "/" + name; }

void QueuedSteps::RunModal(platform::ui::Window& window)
{
    if (steps_.empty()) return;
    Step step = std::move(steps_.front());
    steps_.pop_front();
    step(window);
}

int QueuedSteps::RunAlert(const platform::ui::Alert& alert)
{
    alertKeys_.push_back(alert.informativeKey);
    return platform::ui::kAlertFirstButtonReturn;
}

JbaPaneHarness::JbaPaneHarness(const std::string& ppdName)
{
    host_.SetPPD(OpenPpdFile(ProjectPPD(ppdName)));
    host_.Toolkit().SetEventSource(&steps_);
    std::optional<platform::Bundle> bundle = platform::Bundle::Open(QV_ACCOUNTPANEL_BUNDLE);
    if (!bundle) return;
    auto shared = std::make_shared<const platform::Bundle>(std::move(*bundle));
    host_.Services().Bundles().Register(shared);
    plugin_.initWithBundle(shared);
    std::optional<platform::PrintDialogPlugin::PanelList> panes =
        plugin_.PDEPanelsForType(platform::kPrintDialogPanelType, &host_);
    if (!panes || panes->empty()) return;
    panes_ = std::move(*panes);
    pane_ = dynamic_cast<KJOBACCOUNTINGPDE*>(panes_.front().get());
    if (pane_ != nullptr) pane_->restoreValuesAndReturnError();
}

std::string JbaPaneHarness::Setting(const std::string& key) const
{
    std::string value;
    const_cast<testing_support::PanelTestHost&>(host_).Settings().GetValue(key, &value);
    return value;
}

bool TypeInto(platform::ui::Window& window, const char* outlet, const std::string& text)
{
    platform::ui::Widget* widget = window.contentView().widgetForOutlet(outlet);
    return widget != nullptr && host::Type(*widget, text) == host::ActionOutcome::Done;
}

bool ClickOn(platform::ui::Window& window, const char* outlet)
{
    platform::ui::Widget* widget = window.contentView().widgetForOutlet(outlet);
    return widget != nullptr && host::Click(*widget) == host::ActionOutcome::Done;
}

bool ChooseIn(platform::ui::Window& window, const char* outlet, int index)
{
    platform::ui::Widget* widget = window.contentView().widgetForOutlet(outlet);
    return widget != nullptr && host::Choose(*widget, index) == host::ActionOutcome::Done;
}

} // namespace jbatest
