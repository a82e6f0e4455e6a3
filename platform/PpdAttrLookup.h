// Attribute lookup by name prefix, the way the filter and the dialog
// extensions read a PPD's attributes ("cupsFilter" also finds "cupsFilter2",
// "QVXCDFSetting" also "QVXCDFSettingTiger").
#pragma once

#include <cups/ppd.h>

#include <string_view>

namespace platform {

// The first attribute, in file order, whose name begins with the given name
// (case-sensitive, over the whole given name). Every name begins with the
// empty name, so an empty name finds the first attribute. Null when the PPD is
// missing or no name matches. The attribute is returned whatever its value;
// callers that read the value take a null one as absent.
ppd_attr_t* FindPpdAttrByPrefix(ppd_file_t* ppd, std::string_view name);

} // namespace platform
