#include "host/PrinterSetup.h"

#include "host/HostEnvironment.h"
#include "host/PrinterSource.h"
#include "host/StartingValues.h"

namespace host {

std::unique_ptr<PrinterSetup> PrinterSetup::Open(const CommandLine& line, bool firstPrinter,
                                                 platform::RecordingHostServices& services,
                                                 std::string& error)
{
    std::optional<PrinterSource> source = OpenPrinterSource(line, error);
    if (!source) return nullptr;
    auto setup = std::make_unique<PrinterSetup>(Passkey());
    setup->queue_ = source->queue;
    const std::string dataFolder = DataFolder(line.dataDir);
    PointFrameworkAtDataFolder(dataFolder);
    setup->store_.emplace(dataFolder, source->printerID);
    setup->host_ = std::make_unique<DialogHost>(std::move(source->ppd), source->printerID,
                                                line.destinationType, services);
    PrinterSetup* self = setup.get();
    setup->host_->SetChoiceListener([self](const std::string& option, const std::string& choice) {
        self->panels_.ChoiceChanged(option, choice);
    });
    if (!setup->StartingValues(line, firstPrinter, source->savedOptions, error)) return nullptr;

    bool named = false;
    const std::string folder = PluginFolder(line.pluginDir, named);
    std::optional<std::vector<LoadedPlugin>> plugins = LoadPlugins(folder, named, services, error);
    if (!plugins) return nullptr;
    setup->plugins_ = std::move(*plugins);
    for (LoadedPlugin& loaded : setup->plugins_) {
        std::optional<platform::PrintDialogPlugin::PanelList> panels =
            loaded.plugin->PDEPanelsForType(platform::kPrintDialogPanelType, setup->host_.get());
        if (panels) setup->panels_.Add(std::move(*panels));
    }
    return setup;
}

PrinterSetup::~PrinterSetup() { panels_.Clear(); }

bool PrinterSetup::StartingValues(const CommandLine& line, bool firstPrinter,
                                  const std::vector<std::pair<std::string, std::string>>& savedOptions,
                                  std::string& error)
{
    MarkPpdDefaults(*host_);
    ApplySavedOptions(*host_, savedOptions);
    if (const std::optional<SavedValues> lastUsed = store_->LastUsed()) ApplySavedValues(*host_, *lastUsed);
    if (!firstPrinter) return true;
    if (line.preset) {
        const std::optional<SavedValues> preset = store_->Preset(*line.preset);
        if (!preset) {
            error = "no preset \"" + *line.preset + "\" for the printer";
            return false;
        }
        ApplySavedValues(*host_, *preset);
    }
    return ApplyCommandLineOptions(*host_, line.options, error);
}

} // namespace host
