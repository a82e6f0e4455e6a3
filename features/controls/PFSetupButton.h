// The setup buttons of the Features panel's sections: each opens its
// section's window, and opens nothing while that window does not exist.
#pragma once

#include "panelkit/controls/BaseButton.h"

class KPRINTFEATURESPDE;
class PopupWinInPanel;

class PFSetupButton : public BaseButton {
public:
    // Opens the window (ActivateWindow); YES.
    bool UIEventHandler() override;
    std::string_view ControlClassName() const override { return "PFSetupButton"; }

protected:
    // The window this button opens now; null for none.
    virtual PopupWinInPanel* WindowToOpen(const KPRINTFEATURESPDE& panel) const = 0;
};

// Separator window.
class PFSepSetupButton : public PFSetupButton {
public:
    std::string_view ControlClassName() const override { return "PFSepSetupButton"; }

protected:
    PopupWinInPanel* WindowToOpen(const KPRINTFEATURESPDE& panel) const override;
};

// Tab margin window.
class PFTabSetupButton : public PFSetupButton {
public:
    std::string_view ControlClassName() const override { return "PFTabSetupButton"; }

protected:
    PopupWinInPanel* WindowToOpen(const KPRINTFEATURESPDE& panel) const override;
};

// Booklet margin window.
class PFBookletSetupButton : public PFSetupButton {
public:
    std::string_view ControlClassName() const override { return "PFBookletSetupButton"; }

protected:
    PopupWinInPanel* WindowToOpen(const KPRINTFEATURESPDE& panel) const override;
};

// Number-in-sequence window.
class PFNumInSeqButton : public PFSetupButton {
public:
    std::string_view ControlClassName() const override { return "PFNumInSeqButton"; }

protected:
    PopupWinInPanel* WindowToOpen(const KPRINTFEATURESPDE& panel) const override;
};

// The offset-per-copy window when the offset stacking value is 5, the
// offset-per-page window when it is 4, nothing otherwise.
class PFOffsetStackingButton : public PFSetupButton {
public:
    std::string_view ControlClassName() const override { return "PFOffsetStackingButton"; }

protected:
    PopupWinInPanel* WindowToOpen(const KPRINTFEATURESPDE& panel) const override;
};
