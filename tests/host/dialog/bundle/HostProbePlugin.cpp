// The principal class of the host's test bundle: a Features-kind panel, then
// an Account-kind one (the host asks the Account one first at print).
#include "ProbePanels.h"
#include "panelkit/PDEPlugin.h"

namespace {

class HostProbePlugin : public PDEPlugin {
public:
    HostProbePlugin() : PDEPlugin("com.quorvel.test.hostprobe.Kind") {}

protected:
    void MakePanels(platform::PrintDialogHost& host, PanelList& panels) override
    {
        AddNewPanel<ProbeFeaturesPanel>(host, panels, identity);
        AddNewPanel<ProbeAccountPanel>(host, panels, identity);
    }
};

} // namespace

QV_PLUGIN_FACTORY(HostProbePlugin)
