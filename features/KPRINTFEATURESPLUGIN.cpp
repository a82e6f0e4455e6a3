#include "features/KPRINTFEATURESPLUGIN.h"

#include "features/KPRINTFEATURESPDE.h"
#include "panelkit/UtilityFunction.h"

namespace {

constexpr const char* kFeaturesSettingsAttribute = "QVXFeaturesSettings";
constexpr std::string_view kFeaturesDisabled = "Disabled";
// Help pages the panel links to; without them the printer gets no panel.
constexpr const char* kHelpPages[] = {"SpecifyPosition", "TabMarginShift"};

} // namespace

void KPRINTFEATURESPLUGIN::MakePanels(platform::PrintDialogHost& host, PanelList& panels)
{
    ppd_file_t* ppd = host.ppdFile();
    const ppd_attr_t* mode = ppdFindAttr_ALT(ppd, kFeaturesSettingsAttribute);
    if (mode == nullptr || mode->value == nullptr || mode->value == kFeaturesDisabled) return;
    const std::shared_ptr<const platform::Bundle> bundle = GetAppBundleRef(host.hostServices(), identity);
    if (bundle == nullptr) return;
    for (const char* page : kHelpPages)
        if (!bundle->PathForResource(page, "htm", "Help")) return;
    KPRINTFEATURESPDE& panel = AddNewPanel<KPRINTFEATURESPDE>(host, panels);
    panel.SetAppIdentity(identity);
}
