// The tab margin window: how far the image is shifted on tab paper, in
// millimetres (0.0 to 15.0) or inches (0.00 to 0.59).
#pragma once

#include "features/windows/MarginSetupWindow.h"

class PFTabMarginWnd : public MarginSetupWindow {
public:
    static constexpr const char* kOutletName = "TabMarginWnd";

    PFTabMarginWnd(std::unique_ptr<platform::ui::Window> window, std::string theWinTitleStr,
                   KPRINTFEATURESPDE* panel);

    bool IsShiftOn() const override;
};
