// The buttons of the Features setup windows. Each hands its press to its
// window, which checks, keeps or drops the values.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "panelkit/controls/BaseButton.h"

class FeaturesSetupWindow;

class PFWndOKButton : public BaseButton {
public:
    bool CreateControl(platform::ui::Widget* control, FeaturesSetupWindow* window);
    bool UIEventHandler() override;
    std::string_view ControlClassName() const override { return "PFWndOKButton"; }

private:
    using BaseButton::CreateControl;
    FeaturesSetupWindow* window_ = nullptr;
};

class PFWndCancelButton : public BaseButton {
public:
    // CancelDefaultArray: the controls reset to their defaults when a cancel
    // check fails (the separator list for the separator window; none in the
    // others).
    bool CreateControl(platform::ui::Widget* control, FeaturesSetupWindow* window,
                       std::vector<const int32_t*> cancelDefaults);
    bool UIEventHandler() override;
    std::string_view ControlClassName() const override { return "PFWndCancelButton"; }
    const std::vector<const int32_t*>& GetCancelDefaultArray() const { return CancelDefaultArray; }

private:
    using BaseButton::CreateControl;
    FeaturesSetupWindow* window_ = nullptr;
    std::vector<const int32_t*> CancelDefaultArray;
};

class PFWndRestoreDefaultButton : public BaseButton {
public:
    bool CreateControl(platform::ui::Widget* control, FeaturesSetupWindow* window);
    bool UIEventHandler() override;
    std::string_view ControlClassName() const override { return "PFWndRestoreDefaultButton"; }

private:
    using BaseButton::CreateControl;
    FeaturesSetupWindow* window_ = nullptr;
};

class PHelpButton : public BaseButton {
public:
    // CreateControl:withHelpName: the page is the window's.
    bool CreateControl(platform::ui::Widget* control, FeaturesSetupWindow* window);
    bool UIEventHandler() override;
    std::string_view ControlClassName() const override { return "PHelpButton"; }

private:
    using BaseButton::CreateControl;
    FeaturesSetupWindow* window_ = nullptr;
};
