// The panels the extensions gave the dialog, driven as the print dialog
// drives them: opened once (supportedPPDOptionKeys, restoreValuesAndReturnError,
// panelView, panelName, panelKind), shown (willShow) and left (shouldHide,
// then saveValuesAndReturnError), summarised, asked for help, and asked at
// print (shouldPrint) in print order: the Account extension's panes first,
// then the Features panel.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/PrintDialogPlugin.h"
#include "platform/ui/View.h"

namespace host {

struct DialogPanel {
    std::unique_ptr<platform::PrintDialogPanel> panel{};
    std::string name{};
    std::string kind{};
    std::vector<std::string> supportedKeys{};
    platform::ui::View* view = nullptr;
    bool everShown = false;
};

class DialogPanels {
public:
    // Takes the panels of one extension, in its order.
    void Add(platform::PrintDialogPlugin::PanelList panels);
    // Opens every panel, then puts the Features panel after the others; the
    // PPD and print settings hold the starting values by then.
    void Open();

    // In print order.
    std::vector<DialogPanel>& Panels() { return panels_; }
    const std::vector<DialogPanel>& Panels() const { return panels_; }
    // The panel a script names: "features", "printtype" or "accounting" (its
    // kind ends in PrintFeaturesKind, PrintTypeKind, AccountKind), or its
    // whole kind; null when none.
    DialogPanel* Find(std::string_view word);
    DialogPanel* Current() const { return current_; }

    // Leaves the shown panel (false when its shouldHide refuses) and shows this one.
    bool Show(DialogPanel& panel);
    // shouldPrint of every panel in print order; false at the first that refuses.
    bool Print();
    // saveValuesAndReturnError of each panel shown so far; the first error, else 0.
    int SaveShown();
    // restoreValuesAndReturnError of every panel; the first error, else 0.
    int RestoreAll();
    // The dialog's help button: the shown panel's shouldShowHelp.
    bool Help();
    // PPDOptionKeyValueDidChange of every panel.
    void ChoiceChanged(const std::string& option, const std::string& choice);

    // Releases the panels (before their bundles' code is unloaded).
    void Clear();

private:
    std::vector<DialogPanel> panels_;
    DialogPanel* current_ = nullptr;
};

} // namespace host
