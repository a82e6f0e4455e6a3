#include "account/KACCOUNTPLUGIN.h"

void KACCOUNTPLUGIN::MakePanels(platform::PrintDialogHost& /*host*/, PanelList& /*panels*/)
{
    // The Job Accounting and Print Type panes join here (AddNewPanel) once
    // they exist; until then the extension offers nothing.
}

QV_PLUGIN_FACTORY(KACCOUNTPLUGIN)
