// Everything the dialog holds for one printer, the same in the headless
// dialog and in the window: the printer's PPD in a DialogHost, its starting
// values (PPD defaults, saved options, last used settings, then a preset
// and -o for the printer the dialog opens with), the settings store, the
// extension bundles loaded afresh and their panels, which the caller opens
// once its event source is in place. The window, changing the printer,
// drops the whole of it and builds another: the bundles are closed and
// loaded again, so nothing the Features panel keeps for as long as its
// bundle is loaded outlives the printer it was made for.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/CommandLine.h"
#include "host/DialogHost.h"
#include "host/DialogPanels.h"
#include "host/PluginLoader.h"
#include "host/SavedSettings.h"
#include "platform/RecordingHostServices.h"

namespace host {

class PrinterSetup {
public:
    // The printer of the command line; null, with `error`, when it cannot be
    // opened or a bundle does not load. `firstPrinter` applies --preset and -o.
    static std::unique_ptr<PrinterSetup> Open(const CommandLine& line, bool firstPrinter,
                                              platform::RecordingHostServices& services, std::string& error);
    // Only Open makes one.
    class Passkey {
        friend class PrinterSetup;
        Passkey() = default;
    };
    explicit PrinterSetup(Passkey) {}
    ~PrinterSetup();
    PrinterSetup(const PrinterSetup&) = delete;
    PrinterSetup& operator=(const PrinterSetup&) = delete;

    DialogHost& Host() { return *host_; }
    DialogPanels& Panels() { return panels_; }
    const DialogPanels& Panels() const { return panels_; }
    SettingsStore& Store() { return *store_; }
    const std::string& Queue() const { return queue_; }

private:
    bool StartingValues(const CommandLine& line, bool firstPrinter,
                        const std::vector<std::pair<std::string, std::string>>& savedOptions,
                        std::string& error);

    std::string queue_;
    std::unique_ptr<DialogHost> host_;
    std::optional<SettingsStore> store_;
    // Destroyed in reverse order: the panels before the bundles whose code
    // they run, the bundles before the host they were given.
    std::vector<LoadedPlugin> plugins_;
    DialogPanels panels_;
};

} // namespace host
