#include "host/gtk/SummaryText.h"

#include <map>
#include <vector>

namespace host {

std::string SummaryText(const DialogPanels& panels)
{
    std::string text;
    for (const DialogPanel& panel : panels.Panels()) {
        std::map<std::string, std::string> summary;
        std::vector<std::string> order;
        panel.panel->summaryInfo(summary, order);
        if (!text.empty()) text += "\n";
        text += panel.name + "\n";
        if (order.empty()) text += "    (nothing to show)\n";
        for (const std::string& title : order) {
            const auto found = summary.find(title);
            text += "    " + title + ": " + (found != summary.end() ? found->second : std::string()) + "\n";
        }
    }
    return text;
}

} // namespace host
