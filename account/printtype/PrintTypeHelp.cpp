#include "account/printtype/PrintTypeHelp.h"

#include "panelkit/UtilityFunction.h"

std::string PrintTypeHelpPage(ppd_file_t* ppd)
{
    const ppd_attr_t* settings = ppdFindAttr_ALT(ppd, "QVXPrintTypeSettings");
    if (settings == nullptr || settings->value == nullptr) return std::string();
    return "SelectJobType_" + GetAppResourceName(settings->value, 1) + ".htm";
}

OSStatus OpenPrintTypeHelp(platform::HostServices* services, const platform::Bundle* bundle,
                           const std::string& page)
{
    if (services == nullptr || page.empty()) return fnfErr;
    return GotoHelpPage(*services, bundle, page, "", "Help Viewer Title for Job Accounting");
}
