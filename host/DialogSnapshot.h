// The dialog's snapshot as JSON, one line:
//   {"panels":[{"kind","name","summary":[[key,text],...],"controls":[...],
//               "windows":[{"title","open","controls":[...]}]}],
//    "log":[{"event":...}, ...], "options":"..."}
// Each control: {"tag","class","ppd","title","value","selected","enabled",
// "hidden","group","frame":[x,y,w,h],"items":[{"title","key","enabled"}]}.
#pragma once

#include <string>
#include <vector>

#include "host/DialogLog.h"
#include "host/DialogPanels.h"

namespace host {

std::string DialogSnapshot(DialogPanels& panels, const std::vector<LogEntry>& log,
                           const std::string& options);

} // namespace host
