// Runs a dialog script: each line acts on the shown panel, or, while a modal
// window runs, on that window (the interpreter is the toolkit's event source,
// so the lines after the one that opened a window go to it until it
// closes). What a person could not do (a disabled or hidden control, a
// disabled item, the dialog's own buttons behind a modal window) is logged as
// refused and the script goes on; a line that names nothing there is an
// error that ends the run.
#pragma once

#include <cups/ppd.h>

#include <string>
#include <vector>

#include "host/DialogLog.h"
#include "host/DialogPanels.h"
#include "host/ScriptAction.h"
#include "host/headless/HeadlessToolkit.h"
#include "host/headless/ModalEventSource.h"

namespace host {

// What the dialog does for the lines that are not a person's gesture on a
// control. Each answers false, with a message, on bad input.
class DialogCommands {
public:
    virtual bool Print(std::string& error) = 0;
    virtual bool Save(const ScriptAction& action, std::string& error) = 0;
    virtual bool PresetSave(const ScriptAction& action, std::string& error) = 0;
    virtual bool PresetLoad(const ScriptAction& action, std::string& error) = 0;
    virtual bool Dump(std::string& error) = 0;

protected:
    ~DialogCommands() = default;
};

class ScriptInterpreter : public ModalEventSource {
public:
    ScriptInterpreter(std::vector<ScriptAction> actions, DialogPanels& panels, HeadlessToolkit& toolkit,
                      DialogLog& log, DialogCommands& commands, ppd_file_t* ppd);

    // Runs the lines that are left; false at the first error (Error()).
    bool Run();
    bool Failed() const { return failed_; }
    const std::string& Error() const { return error_; }
    bool HasPrintLine() const;

    void RunModal(platform::ui::Window& window) override;

private:
    void Execute(const ScriptAction& action);
    void Fail(const ScriptAction& action, const std::string& message);
    // The view the line's target lives in; null (failing) when there is none.
    platform::ui::View* ContextView(const ScriptAction& action);
    void ActOnControl(const ScriptAction& action);
    void ChoosePage(const ScriptAction& action);

    std::vector<ScriptAction> actions_;
    size_t next_ = 0;
    DialogPanels& panels_;
    HeadlessToolkit& toolkit_;
    DialogLog& log_;
    DialogCommands& commands_;
    ppd_file_t* ppd_;
    bool failed_ = false;
    std::string error_;
};

} // namespace host
