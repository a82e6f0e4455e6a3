// printdialog's window run on the test's virtual screen (the tests run under
// xvfb-run) and driven by real input events: xdotool moves the X pointer,
// clicks and types, as a person's mouse and keyboard would. Where to click is
// read from the widget map the dialog writes (QV_WIDGET_MAP); nothing is
// called in the dialog itself.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <nlohmann/json.hpp>

#include "DialogRun.h"
#include "tests/support/ProcessRunner.h"

namespace gtk_test {

// What printdialog's window needs on the test's screen: the X11 backend, no
// accessibility bus and no desktop settings service.
std::map<std::string, std::string> ScreenEnvironment();

using Finder = std::function<std::optional<nlohmann::json>(const nlohmann::json& map)>;

// Finders over the map: a named widget of the host's own ("print",
// "pane:Print Type", "alert-button:OK"), a control matching every field given
// ({"tag": 101}, {"keyword": "QVStaple"}), and a shown item of a pop-up's
// open menu by its key or position.
Finder Named(const std::string& name);
Finder NamedStarting(const std::string& prefix);
Finder Control(const nlohmann::json& fields);
Finder MenuItem(const nlohmann::json& popupFields, const std::string& key);
Finder MenuItemAt(const nlohmann::json& popupFields, int index);
// A finder that holds when the other finds nothing.
Finder Gone(Finder finder);

class WindowRun {
public:
    // Starts printdialog --window with the args (the runner adds the PPD,
    // plug-ins and data folder) and the widget map in the runner's folder.
    WindowRun(const dialog_test::DialogRunner& runner, std::vector<std::string> args,
              std::map<std::string, std::string> env = {});
    ~WindowRun();
    WindowRun(const WindowRun&) = delete;
    WindowRun& operator=(const WindowRun&) = delete;

    // The map as last written; null before the first.
    nlohmann::json Map() const;
    // What the finder finds once it finds something; nothing after `seconds`.
    std::optional<nlohmann::json> WaitFor(const Finder& finder, int seconds = 10) const;
    // Clicks the middle of what `target` finds, until `done` holds (a click
    // the window was not ready for is made again, up to three times); false
    // when the target is never shown or done never holds.
    bool ClickUntil(const Finder& target, const Finder& done) const;
    // Clicks once (for a click whose effect cannot be awaited).
    bool ClickOnce(const Finder& target) const;
    // Types the text into the focused widget, then presses the keys ("Return").
    void Type(const std::string& text) const;
    void Key(const std::string& key) const;

    // Waits for the program to end (it is killed after a minute).
    const testing_support::ProcessResult& Finish();

private:
    std::string mapPath_;
    std::thread thread_;
    testing_support::ProcessResult result_;
    bool finished_ = false;
};

} // namespace gtk_test
