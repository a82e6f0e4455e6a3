// The panel side of the print-dialog extension protocol: what the host asks of
// each panel an extension returns. Visual parts (the panel's view) come with
// the widget model; everything here is about values and the dialog's lifecycle.
#pragma once

#include <map>
#include <string>
#include <vector>

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
    virtual std::vector<std::string> supportedPPDOptionKeys() const { return {}; }
    virtual void willShow() {}
    virtual bool shouldHide() { return true; }
    virtual bool shouldPrint() { return true; }
    // Both answer whether the values could be saved / restored.
    virtual bool saveValuesAndReturnError() { return true; }
    virtual bool restoreValuesAndReturnError() { return true; }
    // Title to value text, with the order of the titles.
    virtual void summaryInfo(std::map<std::string, std::string>& /*summary*/,
                             std::vector<std::string>& /*order*/) const
    {}
    virtual void PPDOptionKeyValueDidChange(const std::string& /*option*/, const std::string& /*choice*/) {}
};

} // namespace platform
