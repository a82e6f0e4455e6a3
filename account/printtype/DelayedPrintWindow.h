// The delayed-print window (print type 4): the document name only.
#pragma once

#include "account/printtype/PrintTypeDetailsWindow.h"

class DelayedPrintWindow : public PrintTypeDetailsWindow {
public:
    static constexpr const char* kLayoutName = "ZKPrintTypeDelayedPrintWindow";

    DelayedPrintWindow(std::unique_ptr<platform::ui::Window> window, std::string theWinTitleStr,
                       KPRINTTYPEPDE* pane);

    void CreateWindowControls() override;
};
