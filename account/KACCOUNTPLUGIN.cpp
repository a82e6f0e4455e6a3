#include "account/KACCOUNTPLUGIN.h"

#include <optional>
#include <string>

#include "account/jba/KJOBACCOUNTINGPDE.h"
#include "account/printtype/KPRINTTYPEPDE.h"
#include "panelkit/UtilityFunction.h"

namespace {

// The product-type name of a pane the printer and the bundle offer: the PPD
// attribute names "<product>-<help suffix>", and the bundle must hold both
// the help page helpPrefix + suffix and the layout layoutPrefix + product.
std::optional<std::string> OfferedProduct(ppd_file_t* ppd, const platform::Bundle& bundle,
                                          const char* attribute, const char* helpPrefix,
                                          const char* layoutPrefix)
{
    const ppd_attr_t* settings = ppdFindAttr_ALT(ppd, attribute);
    if (settings == nullptr || settings->value == nullptr) return std::nullopt;
    const std::string product = GetAppResourceName(settings->value, 0);
    const std::string helpSuffix = GetAppResourceName(settings->value, 1);
    if (!bundle.PathForResource(helpPrefix + helpSuffix, "htm", "Help")) return std::nullopt;
    if (!bundle.PathForResource(layoutPrefix + product, "plist")) return std::nullopt;
    return product;
}

} // namespace

void KACCOUNTPLUGIN::MakePanels(platform::PrintDialogHost& host, PanelList& panels)
{
    // The bundle found by its own identifier, as the host has loaded it.
    std::shared_ptr<const platform::Bundle> bundle = GetAppBundleRef(host.hostServices(), identity);
    if (bundle == nullptr) bundle = pluginBundle;
    if (bundle == nullptr) return;
    ppd_file_t* ppd = host.ppdFile();

    // The Job Accounting pane comes first.
    if (const std::optional<std::string> product =
            OfferedProduct(ppd, *bundle, "QVXAccountingSettings", "Account_", "ZKPrintJBA_")) {
        KJOBACCOUNTINGPDE& pane = AddNewPanel<KJOBACCOUNTINGPDE>(host, panels);
        pane.setAppIdentity(identity);
        pane.setPDEType(FindProductIndex(JBAProductInfo, *product));
    }

    if (const std::optional<std::string> product =
            OfferedProduct(ppd, *bundle, "QVXPrintTypeSettings", "SelectJobType_", "ZKPrintType_")) {
        KPRINTTYPEPDE& pane = AddNewPanel<KPRINTTYPEPDE>(host, panels);
        pane.setAppIdentity(identity);
        pane.setPDEType(FindProductIndex(PTProductInfo, *product));
    }
}

QV_PLUGIN_FACTORY(KACCOUNTPLUGIN)
