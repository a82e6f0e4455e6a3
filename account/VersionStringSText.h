// The version text of the account panes: "ver." and the bundle's short
// version, followed by a "." when the customisation file the PPD names
// ("QVXCDFSetting") could not be read, which tells support about it.
#pragma once

#include <string_view>

#include "panelkit/controls/StaticTextEditControl.h"

class VersionStringSText : public StaticTextEditControl {
public:
    // The layout's label, no summary key, and whether the customisation file is usable.
    bool CreateControl(platform::ui::Widget* control, const char* title, bool cdfSupport);

    bool InitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd) override;
    bool ReInitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd) override;
    bool InitializeTitle(const platform::Bundle* bundle);

    std::string_view ControlClassName() const override { return "VersionStringSText"; }

private:
    using StaticTextEditControl::CreateControl;

    bool IsCDFSupported = true;
};
