// Attribute lookup by name prefix, as the dialog extensions read vendor
// attributes ("QVXCDFSetting" also finds "QVXCDFSettingTiger").
#pragma once

#include <cups/ppd.h>

#include <cstddef>
#include <string_view>

// The name is cut to this many bytes before it is compared: the extensions
// copy it into a 20-byte field.
inline constexpr std::size_t kAttrNamePrefixMax = 19;

// The first attribute, in file order, whose name begins with the given name
// (case-sensitive, at most kAttrNamePrefixMax bytes of it). Null when the PPD
// is missing, the name is empty (it would match any attribute) or none matches.
ppd_attr_t* FindPPDAttrByPrefix(ppd_file_t* ppd, std::string_view name);
