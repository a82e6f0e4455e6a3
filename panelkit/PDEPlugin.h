// The shape both extensions' principal classes share (KPRINTFEATURESPLUGIN,
// KACCOUNTPLUGIN): the print dialog creates it with the extension's bundle and
// asks it for panels of a panel type. Each extension says, in MakePanels,
// which panels the printer's PPD and the bundle's resources allow, and
// prepares each (host callback, bundle, identity, first-initialisation mark).
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "panelkit/AppIdentity.h"
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

    std::shared_ptr<const platform::Bundle> pluginBundle;
    AppIdentity identity;
};
