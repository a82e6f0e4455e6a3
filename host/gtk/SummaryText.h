// The dialog's summary pane: each panel's name, then its summary lines
// ("title: value") in the order the panel gives them.
#pragma once

#include <string>

#include "host/DialogPanels.h"

namespace host {

std::string SummaryText(const DialogPanels& panels);

} // namespace host
