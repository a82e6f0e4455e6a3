#include "platform/PpdAttrLookup.h"

namespace platform {

ppd_attr_t* FindPpdAttrByPrefix(ppd_file_t* ppd, std::string_view name)
{
    if (ppd == nullptr || ppd->attrs == nullptr) return nullptr;
    for (int i = 0; i < ppd->num_attrs; ++i) {
        ppd_attr_t* attr = ppd->attrs[i];
        if (attr != nullptr && std::string_view(attr->name).starts_with(name)) return attr;
    }
    return nullptr;
}

} // namespace platform
