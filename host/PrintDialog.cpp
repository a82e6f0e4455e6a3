#include "host/PrintDialog.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "host/DialogSnapshot.h"
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
    setup_.reset();
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

    ScriptInterpreter script(std::move(actions), setup_->Panels(), toolkit_, log_, *this,
                             setup_->Host().ppdFile());
    toolkit_.SetEventSource(&script);
    setup_->Panels().Open();
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
    setup_ = PrinterSetup::Open(line_, true, services_, error);
    return setup_ != nullptr;
}

std::optional<std::string> PrintDialog::OpenWindowTitle() const
{
    for (const DialogPanel& panel : setup_->Panels().Panels()) {
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
    return JobOptionString(setup_->Host().Choices(), *setup_->Host().printSettings());
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
        const PrintJob job{.queue = setup_->Queue(),
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
            err_ << "printdialog: job " << setup_->Queue() << "-" << id << " submitted\n";
        }
    }
    std::string error;
    if (!setup_->Store().Commit(error)) err_ << "printdialog: the settings were not kept: " << error << "\n";
    if (line_.dump) out_ << DialogSnapshot(setup_->Panels(), log_.Entries(), CurrentOptions()) << "\n";
    out_.flush();
    return status;
}

bool PrintDialog::Print(std::string& /*error*/)
{
    const bool accepted = setup_->Panels().Print();
    lastPrint_ = PrintStep{.accepted = accepted, .options = accepted ? CurrentOptions() : std::string()};
    if (accepted) setup_->Store().StageLastUsed(CurrentValues(setup_->Host()));
    return true;
}

bool PrintDialog::Save(const ScriptAction& action, std::string& /*error*/)
{
    if (setup_->Panels().SaveShown() != 0) {
        log_.RecordRefused(action.source);
        return true;
    }
    setup_->Store().StageLastUsed(CurrentValues(setup_->Host()));
    return true;
}

bool PrintDialog::PresetSave(const ScriptAction& action, std::string& /*error*/)
{
    if (setup_->Panels().SaveShown() != 0) {
        log_.RecordRefused(action.source);
        return true;
    }
    setup_->Store().StagePreset(action.name, CurrentValues(setup_->Host()));
    return true;
}

bool PrintDialog::PresetLoad(const ScriptAction& action, std::string& error)
{
    const std::optional<SavedValues> preset = setup_->Store().Preset(action.name);
    if (!preset) {
        error = "no preset \"" + action.name + "\" for the printer";
        return false;
    }
    ApplySavedValues(setup_->Host(), *preset);
    setup_->Panels().RestoreAll();
    return true;
}

bool PrintDialog::Dump(std::string& /*error*/)
{
    out_ << DialogSnapshot(setup_->Panels(), log_.Entries(), CurrentOptions()) << "\n";
    return true;
}

} // namespace host
