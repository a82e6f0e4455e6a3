// Reader of localisation tables (".strings" files): the old text form
//   /* comment */ "key" = "value";
// in UTF-8 or UTF-16 (with byte-order mark), or a property-list dictionary.
// It takes any bytes, so it can be driven without a bundle.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

using StringsTable = std::map<std::string, std::string, std::less<>>;

// The table's pairs (UTF-8); nothing when the bytes are not a well-formed
// table. A later pair replaces an earlier one with the same key; the form
// `"key";` maps the key to itself.
std::optional<StringsTable> ParseStringsTable(std::string_view bytes);

} // namespace platform
