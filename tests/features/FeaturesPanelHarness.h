// A Features panel opened as the print dialog opens it: the built bundle
// registered with a headless host, the plug-in asked for its panel with a
// PPD, the panel's first full initialisation run and the panel shown. Helpers find the
// generated controls and act on them as a person would.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "features/KPRINTFEATURESPDE.h"
#include "features/KPRINTFEATURESPLUGIN.h"
#include "panelkit/panel/PopupWinInPanel.h"
#include "tests/support/PanelTestHost.h"
#include "tests/support/TempDir.h"

namespace featurestest {

std::string ProjectPPD(std::string_view name);

// A PPD made from another: the given options (with their constraints) left
// out, then each text replaced, written to a temporary file of its own.
class PpdVariant {
public:
    using Replacement = std::pair<std::string, std::string>;
    PpdVariant(std::string_view sourcePath, const std::vector<std::string>& droppedOptions,
               const std::vector<Replacement>& replacements = {});
    const std::string& Path() const { return path_; }

private:
    testing_support::TempDir dir_;
    std::string path_;
};

class FeaturesPanelHarness {
public:
    explicit FeaturesPanelHarness(const std::string& ppdPath);

    // The panel the plug-in made; null when it made none.
    KPRINTFEATURESPDE* Panel() const { return panel_; }
    // restoreValuesAndReturnError's answer of the first initialisation.
    int OpenResult() const { return openResult_; }
    testing_support::PanelTestHost& Host() { return host_; }
    ppd_file_t* PPD() { return host_.ppdFile(); }

    // The first control of the class showing the option (any class when empty).
    BaseControl* Control(std::string_view keyword, std::string_view className = {}) const;
    platform::ui::Widget* Widget(std::string_view keyword, std::string_view className = {}) const;
    // The widget of the option's control of that kind (its pop-up, its check box).
    platform::ui::Widget* WidgetOfKind(std::string_view keyword, platform::ui::WidgetKind kind) const;
    // The title label of the option's pop-up.
    platform::ui::Widget* TitleWidget(std::string_view keyword) const;
    // The group pop-up's titles.
    std::vector<std::string> PageTitles() const;
    // A person choosing the pop-up's entry with this choice keyword.
    void Choose(std::string_view keyword, std::string_view choice);
    // A person setting a check box.
    void Check(std::string_view keyword, int value);
    // The print type chosen in the Print Type pane, as it reaches the job's settings.
    void SetPrintType(int printType);
    // What saving for printing hands the dialog, option by option (last wins).
    std::string PrintedChoice(std::string_view keyword) const;
    // The panel's page of the title shown, as a person picks it from the
    // group pop-up (false when there is no such page).
    bool ShowPage(std::string_view title);
    // The panel saved for printing, then the value of the print-settings key
    // ("(none)" when it is not set).
    std::string PrintedSetting(const char* key);
    // The panel's summary, title to text.
    std::map<std::string, std::string> Summary();
    // The message keys of the alerts shown, the beeps sounded and the titles
    // of the windows opened since the last call of each.
    std::vector<std::string> NewAlertKeys();
    int NewBeeps();
    std::vector<std::string> NewWindowTitles();
    // The widget of a setup window with the tag; null when it has none.
    static platform::ui::Widget* WindowWidget(const PopupWinInPanel* window, int tag);

private:
    testing_support::PanelTestHost host_;
    KPRINTFEATURESPLUGIN plugin_;
    std::vector<std::unique_ptr<platform::PrintDialogPanel>> panels_;
    KPRINTFEATURESPDE* panel_ = nullptr;
    int openResult_ = 0;
    std::size_t alertsSeen_ = 0;
    std::size_t eventsSeen_ = 0;
    int beepsSeen_ = 0;
};

} // namespace featurestest
