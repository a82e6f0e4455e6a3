// A panel an extension hands the print dialog: a BasePrintPanel that speaks
// the print-dialog protocol (platform::PrintDialogPanel). It keeps what the
// principal class gives every panel it makes (PDEPlugin::AddNewPanel): the
// extension's bundle and the mark that the panel still waits for its first
// full initialisation.
#pragma once

#include <memory>

#include "panelkit/panel/BasePrintPanel.h"
#include "platform/Bundle.h"
#include "platform/PrintDialogPanel.h"

class PDEPanel : public BasePrintPanel, public platform::PrintDialogPanel {
public:
    // Keeps the plug-in bundle.
    virtual void setBundle(std::shared_ptr<const platform::Bundle> bundle)
    {
        pluginBundle = std::move(bundle);
    }
    const std::shared_ptr<const platform::Bundle>& GetPluginBundle() const { return pluginBundle; }

    void SetFirstInitialize(bool first) { bFirstInitialzePDE = first; }
    bool IsFirstInitialize() const { return bFirstInitialzePDE; }

protected:
    std::shared_ptr<const platform::Bundle> pluginBundle;
    // Set by the principal class when it makes the panel; cleared once the
    // panel has been built.
    bool bFirstInitialzePDE = false;
};
