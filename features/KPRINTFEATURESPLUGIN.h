// The Features extension's principal class: the print dialog creates it with
// the featurepanel bundle and asks it for the Features panel.
#pragma once

#include "panelkit/PDEPlugin.h"

class KPRINTFEATURESPLUGIN : public PDEPlugin {
public:
    KPRINTFEATURESPLUGIN() : PDEPlugin(kFeaturesClientID) {}

protected:
    // The Features panel, when the printer's PPD and the bundle allow it.
    void MakePanels(platform::PrintDialogHost& host, PanelList& panels) override;
};
