// The Print Type pane's push buttons (setup, restore) and the help button of
// its details windows; each acts when pressed (UIEventHandler).
#pragma once

#include <string>
#include <string_view>

#include "panelkit/controls/BaseButton.h"

class KPRINTTYPEPDE;

// Opens the details window of the print type the list shows (none for normal printing).
class PTSetupButton : public BaseButton {
public:
    bool CreateControl(platform::ui::Widget* control, const char* title, KPRINTTYPEPDE* pane);
    bool UIEventHandler() override;
    std::string_view ControlClassName() const override { return "PTSetupButton"; }

private:
    using BaseButton::CreateControl;
    KPRINTTYPEPDE* pane_ = nullptr;
};

// Puts every control of the pane back to its default and takes the values from the screen.
class PTDefaultButton : public BaseButton {
public:
    bool CreateControl(platform::ui::Widget* control, const char* title, KPRINTTYPEPDE* pane);
    bool UIEventHandler() override;
    std::string_view ControlClassName() const override { return "PTDefaultButton"; }

private:
    using BaseButton::CreateControl;
    KPRINTTYPEPDE* pane_ = nullptr;
};

// Opens the Print Type help page, named when the button is initialised.
class PrintTypeHelpBtn : public BaseButton {
public:
    bool InitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd) override;
    bool UIEventHandler() override;
    const std::string& GetHelpPage() const { return helpPage_; }
    std::string_view ControlClassName() const override { return "PrintTypeHelpBtn"; }

private:
    std::string helpPage_;
};
