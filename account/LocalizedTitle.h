// A localisation key's text in one of the bundle's strings tables, or the key
// itself when the table has none: a title that reads as its key tells the
// person more than the platform's "no translation".
#pragma once

#include <string>
#include <string_view>

#include "platform/Bundle.h"

inline std::string LocalizedTitle(const platform::Bundle* bundle, std::string_view table,
                                  std::string_view key)
{
    if (bundle == nullptr) return std::string(key);
    return bundle->LocalizedString(key, {}, table);
}
