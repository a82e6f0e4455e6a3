#include "host/DialogLog.h"

namespace host {

void DialogLog::RecordHelp(std::string page)
{
    own_.push_back({toolkit_.Events().size(), {.event = "help", .page = std::move(page)}});
}

void DialogLog::RecordRefused(std::string action)
{
    own_.push_back({toolkit_.Events().size(), {.event = "refused", .action = std::move(action)}});
}

std::vector<LogEntry> DialogLog::Entries() const
{
    const std::vector<UiEvent>& events = toolkit_.Events();
    std::vector<LogEntry> merged;
    merged.reserve(events.size() + own_.size());
    auto own = own_.begin();
    for (size_t i = 0; i <= events.size(); ++i) {
        for (; own != own_.end() && own->position == i; ++own) merged.push_back(own->entry);
        if (i == events.size()) break;
        const UiEvent& e = events[i];
        merged.push_back({.event = e.event, .title = e.title, .key = e.key, .text = e.text, .tag = e.tag});
    }
    return merged;
}

} // namespace host
