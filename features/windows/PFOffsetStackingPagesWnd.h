// The offset-per-page window: how many pages form one offset stack. Opened
// by choosing offset stacking per number of pages, or by the offset
// stacking setup button while that is chosen.
#pragma once

#include <memory>
#include <string>

#include "features/windows/CountFieldWindow.h"

class PFOffsetStackingPagesWnd : public CountFieldWindow {
public:
    static constexpr const char* kOutletName = "OffsetStackingPagesWnd";

    PFOffsetStackingPagesWnd(std::unique_ptr<platform::ui::Window> window, std::string theWinTitleStr,
                             KPRINTFEATURESPDE* panel);

protected:
    std::unique_ptr<PFNumInSeqTextEditCtrl> NewNumberEdit() const override;
};
