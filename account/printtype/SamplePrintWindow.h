// The sample-print window (print type 3): user ID and document name. The
// printer prints one copy and holds the rest until the person releases them.
#pragma once

#include "account/printtype/PrintTypeDetailsWindow.h"

class SamplePrintWindow : public PrintTypeDetailsWindow {
public:
    static constexpr const char* kLayoutName = "ZKPrintTypeSamplePrintWindow";

    SamplePrintWindow(std::unique_ptr<platform::ui::Window> window, std::string theWinTitleStr,
                      KPRINTTYPEPDE* pane);

    void CreateWindowControls() override;
};
