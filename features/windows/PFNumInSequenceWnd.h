// The number-in-sequence window: how many tab sheets form one numbering
// sequence. Opened by the number-in-sequence setup button.
#pragma once

#include <memory>
#include <string>

#include "features/windows/CountFieldWindow.h"

class PFNumInSequenceWnd : public CountFieldWindow {
public:
    static constexpr const char* kOutletName = "NumberInSeqWnd";

    PFNumInSequenceWnd(std::unique_ptr<platform::ui::Window> window, std::string theWinTitleStr,
                       KPRINTFEATURESPDE* panel);

protected:
    std::unique_ptr<PFNumInSeqTextEditCtrl> NewNumberEdit() const override;
};
