#include "panelkit/control/LocalizeTableName.h"

#include "panelkit/UtilityFunction.h"

std::optional<std::string> LocalizeTableNameFromPPD(ppd_file_t* ppd)
{
    if (ppd == nullptr) return std::nullopt;
    const ppd_attr_t* attr = ppdFindAttr_ALT(ppd, "QVLocalizableFileIndex");
    if (attr == nullptr || attr->value == nullptr) return std::nullopt;
    return std::string("Localizable") + attr->value;
}
