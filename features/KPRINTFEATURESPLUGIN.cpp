#include "features/KPRINTFEATURESPLUGIN.h"

void KPRINTFEATURESPLUGIN::MakePanels(platform::PrintDialogHost& /*host*/, PanelList& /*panels*/)
{
    // The Features panel joins here (AddNewPanel) once it exists; until then
    // the extension offers nothing and the dialog shows no Features panel.
}

QV_PLUGIN_FACTORY(KPRINTFEATURESPLUGIN)
