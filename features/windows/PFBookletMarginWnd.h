// The booklet margin window: the binding margin of a booklet, in whole
// millimetres (0 to 25) or inches (0.0 to 1.0), and whether the image is
// reduced to fit beside it (auto fit).
#pragma once

#include "features/windows/MarginSetupWindow.h"

class PFBookletMarginWnd : public MarginSetupWindow {
public:
    static constexpr const char* kOutletName = "BookletMarginWnd";

    PFBookletMarginWnd(std::unique_ptr<platform::ui::Window> window, std::string theWinTitleStr,
                       KPRINTFEATURESPDE* panel);

    // The panel's booklet margin switch is on and not greyed out.
    bool IsShiftOn() const override;

protected:
    // The auto fit check box.
    void CreateOptionControls() override;
};
