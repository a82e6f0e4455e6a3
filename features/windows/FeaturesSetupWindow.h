// What the six setup windows of the Features panel share (tab margin, booklet
// margin, separator, number in sequence, offset per page, offset per copy):
// each is made from its own layout resource, belongs to the panel, and ends
// with OK, Cancel, Default and Help buttons that act the same way in all of
// them.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "panelkit/panel/PopupWinInPanel.h"

class KPRINTFEATURESPDE;

class FeaturesSetupWindow : public PopupWinInPanel {
public:
    // helpPage: the page of the extension's help book the Help button opens.
    FeaturesSetupWindow(std::unique_ptr<platform::ui::Window> window, std::string theWinTitleStr,
                        KPRINTFEATURESPDE* panel, std::string helpPage);

    // Makes the window's controls over its layout's widgets and registers
    // them (the control-building half of CreatePanel:theWinTitleStr:).
    virtual void CreateWindowControls() = 0;

    // OK: reads every field, checks the controls in order and stays open at
    // the first refusal (which has shown its message); else keeps the values
    // and closes.
    virtual void OKButtonPressed();
    // Cancel: runs every control's cancel checks; when one fails, the
    // controls named by the button go back to their defaults. Closing drops
    // what was typed; the controls keep the values they had.
    virtual void CancelButtonPressed(const std::vector<const int32_t*>& cancelDefaults);
    // Default: every control shows its default value.
    virtual void RestoreButtonPressed();
    // Help: the window's page in the extension's help book.
    virtual void HelpButtonPressed();

    KPRINTFEATURESPDE* GetFeaturesPanel() const { return panel_; }
    // The Features panel of a control of a setup window; null for a control
    // elsewhere.
    static KPRINTFEATURESPDE* FeaturesPanelOfControl(const BaseControl& control);
    const std::string& GetHelpPage() const { return helpPage_; }

    // The layout resource of a window: the panel's layout name followed by
    // the window's outlet name ("ZKPrintFeatureTabMarginWnd").
    static std::string LayoutNameOfOutlet(const char* outletName);
    // The window of the outlet's layout; null when it cannot be loaded.
    static std::unique_ptr<platform::ui::Window> LoadWindowOfOutlet(KPRINTFEATURESPDE& panel,
                                                                    const char* outletName);

protected:
    // The widget of an outlet of the window's layout, tagged with the ID when
    // the ID is not 0; null when the layout lacks it.
    platform::ui::Widget* Outlet(const char* name, int32_t tag = 0) const;
    // The OK, Cancel, Default and Help buttons over the outlets "OKButton",
    // "CancelButton", "DefaultButton" and "HelpButton", tagged with the IDs
    // that are not 0. cancelDefaults: the controls a failed cancel resets
    // (looked up in the window, then in the panel).
    // A label over the outlet, tagged with the ID when it is not 0, showing
    // the key's text; nothing when the layout lacks the outlet.
    void AddLabel(const char* outletName, int32_t tag, const char* textKey);
    void AddWindowButtons(int32_t okID = 0, int32_t cancelID = 0, int32_t defaultID = 0, int32_t helpID = 0,
                          std::vector<const int32_t*> cancelDefaults = {});

private:
    KPRINTFEATURESPDE* panel_;
    std::string helpPage_;
};
