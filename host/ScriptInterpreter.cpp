#include "host/ScriptInterpreter.h"

#include <algorithm>

#include "host/TargetResolver.h"
#include "host/headless/PersonActions.h"

namespace host {

namespace {

using Verb = ScriptAction::Verb;

// Lines a person can still carry out while a modal window is up: gestures on
// the window's controls, and the snapshot.
bool WorksInModalWindow(Verb verb)
{
    switch (verb) {
    case Verb::Choose:
    case Verb::Check:
    case Verb::Radio:
    case Verb::Type:
    case Verb::Step:
    case Verb::Press:
    case Verb::Dump: return true;
    default: return false;
    }
}

constexpr const char* kGroupPopUpClass = "PFGroupList";

} // namespace

ScriptInterpreter::ScriptInterpreter(std::vector<ScriptAction> actions, DialogPanels& panels,
                                     HeadlessToolkit& toolkit, DialogLog& log, DialogCommands& commands,
                                     ppd_file_t* ppd)
    : actions_(std::move(actions)), panels_(panels), toolkit_(toolkit), log_(log), commands_(commands),
      ppd_(ppd)
{}

bool ScriptInterpreter::HasPrintLine() const
{
    return std::any_of(actions_.begin(), actions_.end(),
                       [](const ScriptAction& a) { return a.verb == Verb::Print; });
}

bool ScriptInterpreter::Run()
{
    while (!failed_ && next_ < actions_.size()) Execute(actions_[next_++]);
    return !failed_;
}

void ScriptInterpreter::RunModal(platform::ui::Window& window)
{
    while (!failed_ && next_ < actions_.size() && toolkit_.ModalWindow() == &window)
        Execute(actions_[next_++]);
}

void ScriptInterpreter::Fail(const ScriptAction& action, const std::string& message)
{
    if (failed_) return;
    failed_ = true;
    error_ = "line " + std::to_string(action.line) + ": " + action.source + ": " + message;
}

platform::ui::View* ScriptInterpreter::ContextView(const ScriptAction& action)
{
    if (platform::ui::Window* window = toolkit_.ModalWindow()) return &window->contentView();
    const DialogPanel* panel = panels_.Current();
    if (panel == nullptr) {
        Fail(action, "no panel is shown (a \"panel\" line comes first)");
        return nullptr;
    }
    if (panel->view == nullptr) Fail(action, "the panel " + panel->name + " has no view");
    return panel->view;
}

void ScriptInterpreter::Execute(const ScriptAction& action)
{
    if (toolkit_.ModalWindow() != nullptr && !WorksInModalWindow(action.verb)) {
        log_.RecordRefused(action.source);
        return;
    }
    std::string error;
    bool ok = true;
    switch (action.verb) {
    case Verb::Panel: {
        DialogPanel* panel = panels_.Find(action.name);
        if (panel == nullptr) return Fail(action, "unknown panel \"" + action.name + "\"");
        if (!panels_.Show(*panel)) log_.RecordRefused(action.source);
        return;
    }
    case Verb::Page: return ChoosePage(action);
    case Verb::Help:
        if (panels_.Current() == nullptr) return Fail(action, "no panel is shown");
        panels_.Help();
        return;
    case Verb::Print: ok = commands_.Print(error); break;
    case Verb::Save: ok = commands_.Save(action, error); break;
    case Verb::PresetSave: ok = commands_.PresetSave(action, error); break;
    case Verb::PresetLoad: ok = commands_.PresetLoad(action, error); break;
    case Verb::Dump: ok = commands_.Dump(error); break;
    default: return ActOnControl(action);
    }
    if (!ok) Fail(action, error);
}

void ScriptInterpreter::ChoosePage(const ScriptAction& action)
{
    platform::ui::View* view = ContextView(action);
    if (view == nullptr) return;
    std::string error;
    platform::ui::Widget* popUp =
        ResolveTarget(*view, {.kind = Target::Kind::Class, .text = kGroupPopUpClass}, error);
    if (popUp == nullptr) return Fail(action, "the shown panel has no page pop-up");
    if (action.page > popUp->numberOfItems())
        return Fail(action, "no page " + std::to_string(action.page) + " (the panel has " +
                                std::to_string(popUp->numberOfItems()) + ")");
    if (Choose(*popUp, action.page - 1) == ActionOutcome::Refused) log_.RecordRefused(action.source);
}

void ScriptInterpreter::ActOnControl(const ScriptAction& action)
{
    platform::ui::View* view = ContextView(action);
    if (view == nullptr) return;
    std::string error;
    platform::ui::Widget* widget = ResolveTarget(*view, action.target, error);
    if (widget == nullptr) return Fail(action, error);

    ActionOutcome outcome = ActionOutcome::Invalid;
    switch (action.verb) {
    case Verb::Choose: {
        if (widget->kind() != platform::ui::WidgetKind::PopUp)
            return Fail(action, "the control is no pop-up");
        const std::optional<int> index = ResolveMenuItem(*widget, action.item, ppd_, error);
        if (!index) return Fail(action, error);
        outcome = Choose(*widget, *index);
        break;
    }
    case Verb::Check: outcome = SetCheck(*widget, action.on); break;
    case Verb::Radio:
        outcome = widget->kind() == platform::ui::WidgetKind::Radio ? Click(*widget) : ActionOutcome::Invalid;
        break;
    case Verb::Type: outcome = Type(*widget, action.text); break;
    case Verb::Step: outcome = Step(*widget, action.direction); break;
    case Verb::Press: outcome = Click(*widget); break;
    default: break;
    }
    if (outcome == ActionOutcome::Refused) log_.RecordRefused(action.source);
    if (outcome == ActionOutcome::Invalid)
        Fail(action, "the control (" + DescribeTarget(action.target) + ") cannot do that");
}

} // namespace host
