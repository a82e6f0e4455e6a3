#include "tests/features/FeaturesPanelHarness.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "host/headless/PersonActions.h"
#include "panelkit/CurrentPrintType.h"
#include "features/controls/PPDPopupControlExt.h"
#include "features/controls/PPDStaticTextCtrlExt.h"
#include "panelkit/control/BaseControl.h"
#include "platform/PrintSettingsKeys.h"
#include "tests/support/FileBytes.h"
#include "tests/support/TempDir.h"

namespace featurestest {

std::string ProjectPPD(std::string_view name) { return std::string(QV_PPD_DIR) + "/" + std::string(name); }

PpdVariant::PpdVariant(std::string_view sourcePath, const std::vector<std::string>& droppedOptions,
                       const std::vector<Replacement>& replacements)
{
    std::ifstream in{std::string(sourcePath)};
    std::ostringstream out;
    std::string line;
    bool dropping = false;
    while (std::getline(in, line)) {
        bool drop = dropping;
        for (const std::string& option : droppedOptions) {
            if (line.rfind("*OpenUI *" + option + "/", 0) == 0) dropping = drop = true;
            if (line.find("*" + option + " ") != std::string::npos && line.rfind("*UIConstraints", 0) == 0)
                drop = true;
        }
        if (dropping && line.rfind("*CloseUI:", 0) == 0) dropping = false;
        if (!drop) out << line << '\n';
    }
    std::string text = out.str();
    for (const auto& [from, to] : replacements)
        for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
            text.replace(at, from.size(), to);
    path_ = dir_.file("variant.ppd");
    testing_support::WriteFile(path_, text);
}

FeaturesPanelHarness::FeaturesPanelHarness(const std::string& ppdPath)
{
    host_.SetPPD(OpenPpdFile(ppdPath));
    std::optional<platform::Bundle> bundle = platform::Bundle::Open(QV_FEATUREPANEL_BUNDLE);
    if (!bundle) return;
    auto shared = std::make_shared<const platform::Bundle>(std::move(*bundle));
    host_.Services().Bundles().Register(shared);
    plugin_.initWithBundle(shared);
    std::optional<platform::PrintDialogPlugin::PanelList> panels =
        plugin_.PDEPanelsForType(platform::kPrintDialogPanelType, &host_);
    if (!panels || panels->empty()) return;
    panels_ = std::move(*panels);
    panel_ = dynamic_cast<KPRINTFEATURESPDE*>(panels_.front().get());
    if (panel_ == nullptr) return;
    // The dialog restores the panel's values, then shows it.
    openResult_ = panel_->restoreValuesAndReturnError();
    panel_->willShow();
}

BaseControl* FeaturesPanelHarness::Control(std::string_view keyword, std::string_view className) const
{
    if (panel_ == nullptr) return nullptr;
    for (BaseControl* control : panel_->getCtrlGroupArrayRef()) {
        if (!className.empty() && control->ControlClassName() != className) continue;
        if (control->ControlPPDKeyword() == std::optional<std::string>(keyword)) return control;
    }
    return nullptr;
}

platform::ui::Widget* FeaturesPanelHarness::Widget(std::string_view keyword, std::string_view className) const
{
    BaseControl* control = Control(keyword, className);
    return control != nullptr ? control->GetControlPtr() : nullptr;
}

platform::ui::Widget* FeaturesPanelHarness::TitleWidget(std::string_view keyword) const
{
    const auto* list = dynamic_cast<const PPDPopupControlExt*>(Control(keyword));
    if (list == nullptr || list->GetTitleControl() == nullptr) return nullptr;
    return list->GetTitleControl()->GetControlPtr();
}

std::vector<std::string> FeaturesPanelHarness::PageTitles() const
{
    return panel_ != nullptr ? panel_->getGroupNameStrArrayRef() : std::vector<std::string>{};
}

platform::ui::Widget* FeaturesPanelHarness::WidgetOfKind(std::string_view keyword,
                                                         platform::ui::WidgetKind kind) const
{
    if (panel_ == nullptr) return nullptr;
    for (BaseControl* control : panel_->getCtrlGroupArrayRef()) {
        platform::ui::Widget* widget = control->GetControlPtr();
        if (widget != nullptr && widget->kind() == kind &&
            control->ControlPPDKeyword() == std::optional<std::string>(keyword))
            return widget;
    }
    return nullptr;
}

void FeaturesPanelHarness::Choose(std::string_view keyword, std::string_view choice)
{
    platform::ui::Widget* widget = WidgetOfKind(keyword, platform::ui::WidgetKind::PopUp);
    if (widget == nullptr) return;
    for (int i = 0; i < widget->numberOfItems(); ++i) {
        if (widget->itemAtIndex(i).representedObject == choice) {
            widget->selectItemAtIndex(i);
            widget->sendAction();
            return;
        }
    }
}

void FeaturesPanelHarness::Check(std::string_view keyword, int value)
{
    platform::ui::Widget* widget = WidgetOfKind(keyword, platform::ui::WidgetKind::CheckBox);
    if (widget == nullptr) return;
    widget->setIntValue(value);
    widget->sendAction();
}

void FeaturesPanelHarness::SetPrintType(int printType)
{
    host_.Settings().SetValue(printsettings::PrintTypeTicketKey, std::to_string(printType), false);
}

std::string FeaturesPanelHarness::PrintedChoice(std::string_view keyword) const
{
    std::string choice;
    for (const auto& [option, chosen] : host_.MarkedChoices())
        if (option == keyword) choice = chosen;
    return choice;
}

bool FeaturesPanelHarness::ShowPage(std::string_view title)
{
    if (panel_ == nullptr) return false;
    platform::ui::Widget* groups = panel_->panelView()->widgetForOutlet("printFeatureGroupList");
    const std::vector<std::string>& titles = panel_->getGroupNameStrArrayRef();
    const auto found = std::find(titles.begin(), titles.end(), title);
    if (groups == nullptr || found == titles.end()) return false;
    return host::Choose(*groups, static_cast<int>(found - titles.begin())) == host::ActionOutcome::Done;
}

std::string FeaturesPanelHarness::PrintedSetting(const char* key)
{
    if (panel_ == nullptr || !panel_->shouldPrint()) return "(not printed)";
    std::string value;
    if (host_.Settings().GetValue(key, &value) != 0) return "(none)";
    return value;
}

std::map<std::string, std::string> FeaturesPanelHarness::Summary()
{
    std::map<std::string, std::string> summary;
    std::vector<std::string> order;
    if (panel_ != nullptr) panel_->summaryInfo(summary, order);
    return summary;
}

std::vector<std::string> FeaturesPanelHarness::NewAlertKeys()
{
    const auto& alerts = host_.Toolkit().Alerts();
    std::vector<std::string> keys;
    for (std::size_t i = alertsSeen_; i < alerts.size(); ++i) keys.push_back(alerts[i].informativeKey);
    alertsSeen_ = alerts.size();
    return keys;
}

int FeaturesPanelHarness::NewBeeps()
{
    const int now = host_.Services().BeepCount();
    const int beeps = now - beepsSeen_;
    beepsSeen_ = now;
    return beeps;
}

std::vector<std::string> FeaturesPanelHarness::NewWindowTitles()
{
    const auto& events = host_.Toolkit().Events();
    std::vector<std::string> titles;
    for (std::size_t i = eventsSeen_; i < events.size(); ++i)
        if (events[i].event == "window-opened") titles.push_back(events[i].title);
    eventsSeen_ = events.size();
    return titles;
}

platform::ui::Widget* FeaturesPanelHarness::WindowWidget(const PopupWinInPanel* window, int tag)
{
    if (window == nullptr || window->GetWindow() == nullptr) return nullptr;
    return window->GetWindow()->contentView().viewWithTag(tag);
}

} // namespace featurestest
