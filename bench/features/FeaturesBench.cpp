// Times the Features panel on the largest real PPD adapted for it (Canon's
// iPR C650 from openprinting-ppds, over 9000 UIConstraints):
//   open    the panel's first full initialisation (SimulationOpenPDE)
//   change  one choice made by a person: the mark, then the conflicts of
//           every control recomputed
// against libcups answering the same question for every choice the panel
// shows (ppdMarkOption + ppdConflicts, the option put back), in this run.
// Usage: features_bench [PPD]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "features/KPRINTFEATURESPDE.h"
#include "features/KPRINTFEATURESPLUGIN.h"
#include "features/controls/PFList.h"
#include "tests/support/PanelTestHost.h"

namespace {

using Clock = std::chrono::steady_clock;

double Microseconds(Clock::duration d) { return std::chrono::duration<double, std::micro>(d).count(); }

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A dialog with the panel of the PPD, made but not yet initialised.
struct Dialog {
    testing_support::PanelTestHost host;
    KPRINTFEATURESPLUGIN plugin;
    platform::PrintDialogPlugin::PanelList panels;
    KPRINTFEATURESPDE* panel = nullptr;

    explicit Dialog(const std::string& ppdPath)
    {
        host.SetPPD(OpenPpdFile(ppdPath));
        std::optional<platform::Bundle> bundle = platform::Bundle::Open(QV_FEATUREPANEL_BUNDLE);
        if (!bundle || host.ppdFile() == nullptr) return;
        auto shared = std::make_shared<const platform::Bundle>(std::move(*bundle));
        host.Services().Bundles().Register(shared);
        plugin.initWithBundle(shared);
        if (auto made = plugin.PDEPanelsForType(platform::kPrintDialogPanelType, &host))
            panels = std::move(*made);
        if (!panels.empty()) panel = dynamic_cast<KPRINTFEATURESPDE*>(panels.front().get());
    }
};

} // namespace

int main(int argc, char** argv)
{
    const std::string path = argc > 1 ? argv[1] : QV_REAL_PPD;

    constexpr int kOpenRuns = 9;
    std::vector<double> openTimes;
    for (int run = 0; run < kOpenRuns; ++run) {
        Dialog dialog(path);
        if (dialog.panel == nullptr) {
            std::fprintf(stderr, "no Features panel for %s\n", path.c_str());
            return 1;
        }
        const auto start = Clock::now();
        dialog.panel->restoreValuesAndReturnError();
        openTimes.push_back(Microseconds(Clock::now() - start));
    }

    Dialog dialog(path);
    if (dialog.panel == nullptr) return 1;
    dialog.panel->restoreValuesAndReturnError();
    dialog.panel->willShow();
    ppd_file_t* ppd = dialog.host.ppdFile();

    // The lists the panel shows, and every choice of their options.
    std::vector<PFList*> lists;
    std::size_t choices = 0;
    for (BaseControl* control : dialog.panel->getCtrlGroupArrayRef()) {
        auto* list = dynamic_cast<PFList*>(control);
        if (list == nullptr || list->GetControlPtr() == nullptr) continue;
        lists.push_back(list);
        choices += list->GetChoiceList().size();
    }
    auto changed = std::find_if(lists.begin(), lists.end(),
                                [](PFList* list) { return list->GetControlPtr()->numberOfItems() >= 2; });
    if (changed == lists.end()) {
        std::fprintf(stderr, "no list with two choices\n");
        return 1;
    }
    platform::ui::Widget* widget = (*changed)->GetControlPtr();

    constexpr int kChangeRuns = 201;
    std::vector<double> changeTimes;
    for (int run = 0; run < kChangeRuns; ++run) {
        widget->selectItemAtIndex(run % 2);
        const auto start = Clock::now();
        widget->sendAction();
        changeTimes.push_back(Microseconds(Clock::now() - start));
    }

    // libcups: every choice of the shown options marked and the PPD's
    // conflicts counted, the option then put back.
    double libcups = 0;
    for (PFList* list : lists) {
        ppd_option_t* option = ppdFindOption(ppd, list->GetPPDMainKey().c_str());
        if (option == nullptr) continue;
        const ppd_choice_t* previous = ppdFindMarkedChoice(ppd, option->keyword);
        const std::string previousChoice = previous != nullptr ? previous->choice : "";
        for (int c = 0; c < option->num_choices; ++c) {
            const auto start = Clock::now();
            ppdMarkOption(ppd, option->keyword, option->choices[c].choice);
            ppdConflicts(ppd);
            libcups += Microseconds(Clock::now() - start);
        }
        if (!previousChoice.empty()) ppdMarkOption(ppd, option->keyword, previousChoice.c_str());
    }

    const double open = Median(openTimes);
    const double change = Median(changeTimes);
    std::printf(
        "PPD: %s\n  constraints %d, constraint table entries %zu, controls %zu, lists %zu with %zu choices\n",
        path.c_str(), ppd->num_consts, dialog.panel->Getxppd()->Size(),
        dialog.panel->getCtrlGroupArrayRef().size(), lists.size(), choices);
    std::printf("open the panel (SimulationOpenPDE) %10.1f us (median of %d)\n", open, kOpenRuns);
    std::printf("one choice change                  %10.1f us (median of %d; list %s)\n", change, kChangeRuns,
                (*changed)->GetPPDMainKey().c_str());
    std::printf("libcups, every shown choice        %10.1f us (ppdMarkOption + ppdConflicts)\n", libcups);
    std::printf("speed-up                           %10.1fx over libcups\n", libcups / change);
    std::printf("targets: choice change < 1 ms: %s; >= 50x libcups: %s\n", change < 1000 ? "met" : "NOT met",
                libcups / change >= 50 ? "met" : "NOT met");
    return 0;
}
