// The dialog's log, in the order things happened: what the headless toolkit
// saw (windows opened and closed, alerts, focus, beeps) with the host's own
// entries (help pages shown, actions a person could not make) put in at the
// point they happened.
#pragma once

#include <string>
#include <vector>

#include "host/headless/HeadlessToolkit.h"

namespace host {

struct LogEntry {
    std::string event{};  // "window-opened", "window-closed", "alert", "beep", "help", "refused" or "focus"
    std::string title{};  // window events
    std::string key{};    // alert
    std::string text{};   // alert
    std::string page{};   // help
    std::string action{}; // refused: the script line
    int tag = 0;          // focus
};

class DialogLog {
public:
    explicit DialogLog(const HeadlessToolkit& toolkit) : toolkit_(toolkit) {}

    void RecordHelp(std::string page);
    void RecordRefused(std::string action);

    std::vector<LogEntry> Entries() const;

private:
    // The host's entries, each after the toolkit's first `position` events.
    struct Placed {
        size_t position;
        LogEntry entry;
    };

    const HeadlessToolkit& toolkit_;
    std::vector<Placed> own_;
};

} // namespace host
