// The Account extension's principal class: the print dialog creates it with
// the accountpanel bundle and asks it for the Job Accounting and Print Type
// panes.
#pragma once

#include "panelkit/PDEPlugin.h"

class KACCOUNTPLUGIN : public PDEPlugin {
public:
    KACCOUNTPLUGIN() : PDEPlugin(kAccountClientID) {}

protected:
    // The panes the printer's PPD and the bundle allow, the accounting pane first.
    void MakePanels(platform::PrintDialogHost& host, PanelList& panels) override;
};
