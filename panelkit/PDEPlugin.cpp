#include "panelkit/PDEPlugin.h"

bool PDEPlugin::initWithBundle(std::shared_ptr<const platform::Bundle> bundle)
{
    identity.bundleIdentifier = bundle ? bundle->Identifier() : std::string();
    pluginBundle = std::move(bundle);
    return true;
}

std::optional<PDEPlugin::PanelList> PDEPlugin::PDEPanelsForType(std::string_view panelType,
                                                                platform::PrintDialogHost* host)
{
    if (panelType != platform::kPrintDialogPanelType || host == nullptr || host->ppdFile() == nullptr) {
        return std::nullopt;
    }
    PanelList panels;
    MakePanels(*host, panels);
    if (panels.empty()) return std::nullopt;
    return panels;
}
