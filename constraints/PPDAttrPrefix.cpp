#include "constraints/PPDAttrPrefix.h"

ppd_attr_t* FindPPDAttrByPrefix(ppd_file_t* ppd, std::string_view name)
{
    if (ppd == nullptr || ppd->attrs == nullptr || name.empty()) return nullptr;
    const std::string_view prefix = name.substr(0, kAttrNamePrefixMax);
    for (int i = 0; i < ppd->num_attrs; ++i) {
        ppd_attr_t* attr = ppd->attrs[i];
        if (attr != nullptr && std::string_view(attr->name).starts_with(prefix)) return attr;
    }
    return nullptr;
}
