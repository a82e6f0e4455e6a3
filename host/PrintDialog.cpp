#include "host/PrintDialog.h"

#include "host/headless/HeadlessSession.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "host/DialogSnapshot.h"
#include "host/HostEnvironment.h"
#include "host/JobOptions.h"
#include "host/JobSubmission.h"
#include "host/ScriptParser.h"
#include "host/StartingValues.h"
#include "host/headless/HeadlessSession.h"
#include "platform/SystemClock.h"

namespace host {

namespace {

std::optional<std::string> ReadScript(const std::string& path)
{
    if (path == "-") return std::string(std::istreambuf_iterator<char>(std::cin), {});
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::ostringstream bytes;
    bytes << file.rdbuf();
    if (file.bad()) return std::nullopt;
    return bytes.str();
}

// Every window below the view (windows of windows too).
void CollectWindows(const platform::ui::View& view, std::vector<platform::ui::Window*>& windows)
{
    for (platform::ui::Window* window : view.windows()) {
        windows.push_back(window);
        CollectWindows(window->contentView(), windows);
    }
}

} // namespace

PrintDialog::PrintDialog(CommandLine line, std::ostream& out, std::ostream& err)
    : line_(std::move(line)), out_(out), err_(err)
{}

PrintDialog::~PrintDialog()
{
    toolkit_.SetEventSource(nullptr);
    panels_.Clear();
}

int PrintDialog::BadInput(const std::string& message)
{
    err_ << "printdialog: " << message << "\n";
    return kExitBadInput;
}

int PrintDialog::Run()
{
    std::vector<ScriptAction> actions;
    std::string error;
    if (!Prepare(actions, error)) return BadInput(error);

    ScriptInterpreter script(std::move(actions), panels_, toolkit_, log_, *this, host_->ppdFile());
    toolkit_.SetEventSource(&script);
    panels_.Open();
    const bool played = script.Run();
    std::optional<std::string> open = played ? OpenWindowTitle() : std::nullopt;
    if (played && !open && (line_.printOptions || line_.printFile) && !script.HasPrintLine()) {
        Print(error);
        open = OpenWindowTitle();
    }
    toolkit_.SetEventSource(nullptr);
    // A damaged bundle is named whether or not the script could go on.
    for (const LogEntry& entry : log_.Entries())
        if (entry.event == "layout-refused") err_ << LayoutRefusedMessage(entry.title, entry.text);
    if (!played) return BadInput(script.Error());
    if (open) return BadInput("the window \"" + *open + "\" is still open at the end of the script");
    return Finish();
}

bool PrintDialog::Prepare(std::vector<ScriptAction>& actions, std::string& error)
{
    if (!platform::IsClockOverrideValid()) {
        error =
            std::string(platform::kClockVariable) + " is not a time of the form YYYY-MM-DDTHH:MM:SS[.fff]";
        return false;
    }
    if (line_.script) {
        const std::optional<std::string> text = ReadScript(*line_.script);
        if (!text) {
            error = "cannot read the script " + *line_.script;
            return false;
        }
        std::optional<std::vector<ScriptAction>> parsed = ParseScript(*text, error);
        if (!parsed) return false;
        actions = std::move(*parsed);
    }
    std::optional<PrinterSource> source = OpenPrinterSource(line_, error);
    if (!source) return false;
    queue_ = source->queue;
    const std::string dataFolder = DataFolder(line_.dataDir);
    PointFrameworkAtDataFolder(dataFolder);
    store_.emplace(dataFolder, source->printerID);
    host_ = std::make_unique<DialogHost>(std::move(source->ppd), source->printerID, line_.destinationType,
                                         services_);
    host_->SetChoiceListener([this](const std::string& option, const std::string& choice) {
        panels_.ChoiceChanged(option, choice);
    });
    return ApplyStartingValues(*source, error) && LoadPanels(error);
}

bool PrintDialog::ApplyStartingValues(const PrinterSource& source, std::string& error)
{
    MarkPpdDefaults(*host_);
    ApplySavedOptions(*host_, source.savedOptions);
    if (const std::optional<SavedValues> lastUsed = store_->LastUsed()) ApplySavedValues(*host_, *lastUsed);
    if (line_.preset) {
        const std::optional<SavedValues> preset = store_->Preset(*line_.preset);
        if (!preset) {
            error = "no preset \"" + *line_.preset + "\" for the printer";
            return false;
        }
        ApplySavedValues(*host_, *preset);
    }
    return ApplyCommandLineOptions(*host_, line_.options, error);
}

bool PrintDialog::LoadPanels(std::string& error)
{
    bool named = false;
    const std::string folder = PluginFolder(line_.pluginDir, named);
    std::optional<std::vector<LoadedPlugin>> plugins = LoadPlugins(folder, named, services_, error);
    if (!plugins) return false;
    plugins_ = std::move(*plugins);
    for (LoadedPlugin& loaded : plugins_) {
        std::optional<platform::PrintDialogPlugin::PanelList> panels =
            loaded.plugin->PDEPanelsForType(platform::kPrintDialogPanelType, host_.get());
        if (panels) panels_.Add(std::move(*panels));
    }
    return true;
}

std::optional<std::string> PrintDialog::OpenWindowTitle() const
{
    for (const DialogPanel& panel : panels_.Panels()) {
        if (panel.view == nullptr) continue;
        std::vector<platform::ui::Window*> windows;
        CollectWindows(*panel.view, windows);
        for (const platform::ui::Window* window : windows)
            if (window->isOpen()) return window->title();
    }
    return std::nullopt;
}

std::string PrintDialog::CurrentOptions() const
{
    return JobOptionString(host_->Choices(), *host_->printSettings());
}

int PrintDialog::Finish()
{
    int status = 0;
    if (lastPrint_ && !lastPrint_->accepted) {
        err_ << "printdialog: the print was refused by a panel; nothing was printed\n";
        status = kExitRefused;
    }
    const bool printed = lastPrint_ && lastPrint_->accepted;
    if (line_.printOptions && printed) out_ << lastPrint_->options << "\n";
    if (line_.printFile && printed) {
        const PrintJob job{.queue = queue_,
                           .file = *line_.printFile,
                           .title =
                               line_.title.value_or(line_.printFile->substr(line_.printFile->rfind('/') + 1)),
                           .copies = line_.copies,
                           .options = lastPrint_->options};
        std::string error;
        const int id = SubmitPrintJob(job, error);
        if (id == 0) {
            err_ << "printdialog: " << error << "\n";
            status = kExitRefused;
        } else {
            err_ << "printdialog: job " << queue_ << "-" << id << " submitted\n";
        }
    }
    std::string error;
    if (!store_->Commit(error)) err_ << "printdialog: the settings were not kept: " << error << "\n";
    if (line_.dump) out_ << DialogSnapshot(panels_, log_.Entries(), CurrentOptions()) << "\n";
    out_.flush();
    return status;
}

bool PrintDialog::Print(std::string& /*error*/)
{
    const bool accepted = panels_.Print();
    lastPrint_ = PrintStep{.accepted = accepted, .options = accepted ? CurrentOptions() : std::string()};
    if (accepted) store_->StageLastUsed(CurrentValues(*host_));
    return true;
}

bool PrintDialog::Save(const ScriptAction& action, std::string& /*error*/)
{
    if (panels_.SaveShown() != 0) {
        log_.RecordRefused(action.source);
        return true;
    }
    store_->StageLastUsed(CurrentValues(*host_));
    return true;
}

bool PrintDialog::PresetSave(const ScriptAction& action, std::string& /*error*/)
{
    if (panels_.SaveShown() != 0) {
        log_.RecordRefused(action.source);
        return true;
    }
    store_->StagePreset(action.name, CurrentValues(*host_));
    return true;
}

bool PrintDialog::PresetLoad(const ScriptAction& action, std::string& error)
{
    const std::optional<SavedValues> preset = store_->Preset(action.name);
    if (!preset) {
        error = "no preset \"" + action.name + "\" for the printer";
        return false;
    }
    ApplySavedValues(*host_, *preset);
    panels_.RestoreAll();
    return true;
}

bool PrintDialog::Dump(std::string& /*error*/)
{
    out_ << DialogSnapshot(panels_, log_.Entries(), CurrentOptions()) << "\n";
    return true;
}

} // namespace host
