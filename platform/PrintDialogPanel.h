// The panel side of the print-dialog extension protocol: what the host asks of
// each panel an extension returns.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/ui/View.h"

namespace platform {

// The print dialog's panel type; extensions make panels only for this type.
inline constexpr const char* kPrintDialogPanelType = "BDB091F4-E57F-11D3-B5CC-0050E4603277";

// Error a panel answers when it has nothing to show (the PDE error).
inline constexpr int kPDEErrorNothingToShow = -9530;

class PrintDialogPanel {
public:
    virtual ~PrintDialogPanel() = default;

    virtual std::string panelName() const = 0;
    virtual std::string panelKind() const = 0;
    // The panel's view, built on first call; null when it cannot be built.
    virtual ui::View* panelView() { return nullptr; }
    virtual std::vector<std::string> supportedPPDOptionKeys() const { return {}; }
    virtual void willShow() {}
    virtual bool shouldHide() { return true; }
    virtual bool shouldPrint() { return true; }
    // The dialog's help button while this panel is shown; whether the panel
    // showed its help.
    virtual bool shouldShowHelp() { return false; }
    // Both answer 0 when the values were saved / restored, else the error
    // (for example kPDEErrorNothingToShow).
    virtual int saveValuesAndReturnError() { return 0; }
    virtual int restoreValuesAndReturnError() { return 0; }
    // Title to value text, with the order of the titles.
    virtual void summaryInfo(std::map<std::string, std::string>& /*summary*/,
                             std::vector<std::string>& /*order*/) const
    {}
    virtual void PPDOptionKeyValueDidChange(const std::string& /*option*/, const std::string& /*choice*/) {}
};

} // namespace platform
