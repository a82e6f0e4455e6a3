// The shape both extensions' principal classes share (KPRINTFEATURESPLUGIN,
// KACCOUNTPLUGIN): the print dialog creates it with the extension's bundle and
// asks it for panels of a panel type. Each extension says, in MakePanels,
// which panels the printer's PPD and the bundle's resources allow, and
// prepares each (host callback, bundle, first-initialisation mark).
#pragma once

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/Bundle.h"
#include "platform/PrintDialogHost.h"
#include "platform/PrintDialogPanel.h"

class PDEPlugin {
public:
    using PanelList = std::vector<std::unique_ptr<platform::PrintDialogPanel>>;

    virtual ~PDEPlugin() = default;

    // Keeps the bundle as pluginBundle; YES.
    bool initWithBundle(std::shared_ptr<const platform::Bundle> bundle);

    // New panels, or nothing when there would be none: panels are made only
    // for the print dialog's panel type and when the host has a PPD.
    std::optional<PanelList> PDEPanelsForType(std::string_view panelType, platform::PrintDialogHost* host);

    const std::shared_ptr<const platform::Bundle>& GetPluginBundle() const { return pluginBundle; }

protected:
    // Appends the extension's panels for this host, whose ppdFile is present.
    virtual void MakePanels(platform::PrintDialogHost& host, PanelList& panels) = 0;

    std::shared_ptr<const platform::Bundle> pluginBundle;
};
