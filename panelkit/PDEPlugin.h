// The shape both extensions' principal classes share (KPRINTFEATURESPLUGIN,
// KACCOUNTPLUGIN): the print dialog creates it with the extension's bundle and
// asks it for panels of a panel type. Each extension says, in MakePanels,
// which panels the printer's PPD and the bundle's resources allow, and makes
// each through AddNewPanel, which gives every panel the same start: the host
// callback (initWithCallback), the bundle (setBundle) and the
// first-initialisation mark.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "panelkit/AppIdentity.h"
#include "panelkit/PDEPanel.h"
#include "platform/Bundle.h"
#include "platform/PrintDialogPlugin.h"

class PDEPlugin : public platform::PrintDialogPlugin {
public:
    // clientID: kFeaturesClientID or kAccountClientID.
    explicit PDEPlugin(std::string clientID) : identity{std::string(), std::move(clientID)} {}

    // Keeps the bundle as pluginBundle and its identifier as the one the
    // extension's lookups go by (GetAppBundleRef); YES.
    bool initWithBundle(std::shared_ptr<const platform::Bundle> bundle) override;

    // New panels, or nothing when there would be none: panels are made only
    // for the print dialog's panel type and when the host has a PPD.
    std::optional<PanelList> PDEPanelsForType(std::string_view panelType,
                                              platform::PrintDialogHost* host) override;

    const std::shared_ptr<const platform::Bundle>& GetPluginBundle() const { return pluginBundle; }
    const AppIdentity& GetAppIdentity() const { return identity; }

protected:
    // Appends the extension's panels for this host, whose ppdFile is present.
    virtual void MakePanels(platform::PrintDialogHost& host, PanelList& panels) = 0;

    // Makes a panel of the extension the way every panel starts: created with
    // the host as its callback object, given the plug-in bundle and marked for
    // its first initialisation; then appended to the list. The panel stays
    // reachable through the answer for what the extension sets on it next.
    template <class Panel, class... Args>
    Panel& AddNewPanel(platform::PrintDialogHost& host, PanelList& panels, Args&&... args)
    {
        auto panel = std::make_unique<Panel>(std::forward<Args>(args)...);
        Panel& made = *panel;
        made.initWithCallback(&host);
        made.setBundle(pluginBundle);
        made.SetFirstInitialize(true);
        panels.push_back(std::move(panel));
        return made;
    }

    std::shared_ptr<const platform::Bundle> pluginBundle;
    AppIdentity identity;
};
