// One line of a pane's summary: the title with its text, the title appended
// to the display order the first time it appears.
#pragma once

#include <string>

#include "panelkit/control/BaseControl.h"

inline void AddSummaryLine(SummaryDictionary& summary, SummaryOrder& order, const std::string& title,
                           std::string text)
{
    if (summary.insert_or_assign(title, std::move(text)).second) order.push_back(title);
}
