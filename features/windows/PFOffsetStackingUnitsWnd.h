// The offset-per-copy window: how many copies (sets) form one offset stack.
// Opened by choosing offset stacking per number of sets, or by the offset
// stacking setup button while that is chosen.
#pragma once

#include <memory>
#include <string>

#include "features/windows/CountFieldWindow.h"

class PFOffsetStackingUnitsWnd : public CountFieldWindow {
public:
    static constexpr const char* kOutletName = "OffsetStackingUnitsWnd";

    PFOffsetStackingUnitsWnd(std::unique_ptr<platform::ui::Window> window, std::string theWinTitleStr,
                             KPRINTFEATURESPDE* panel);

protected:
    std::unique_ptr<PFNumInSeqTextEditCtrl> NewNumberEdit() const override;
};
