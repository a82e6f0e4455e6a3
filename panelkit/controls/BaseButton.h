// A push button with a localised title and no value. The setup, OK, Cancel,
// Default and Help buttons of the panels derive from it and act in
// UIEventHandler.
#pragma once

#include <string_view>

#include "panelkit/control/BaseControl.h"

class BaseButton : public BaseControl {
public:
    // Without a title key: the title stays as the layout gave it.
    bool CreateControl(platform::ui::Widget* control) override;
    bool CreateControl(platform::ui::Widget* control, const char* title);

    // Base initialisation, then the title key localised in the control's table.
    bool InitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd) override;
    bool ReInitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd) override;

    const char* GetTitleKey() const { return controlTitleStrRef; }

    std::string_view ControlClassName() const override { return "BaseButton"; }

protected:
    // NO without a bundle or widget; YES without a title key.
    bool InitializeTitle(const platform::Bundle* bundle);

    const char* controlTitleStrRef = nullptr;
};
