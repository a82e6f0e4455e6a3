// The Print Type pane's product table: the product type decides the layout,
// the document-name list's default and the user-ID and document-name
// character sets of the details windows.
#pragma once

#include <cstdint>

#include "account/PrintTypeEntry.h"

inline constexpr int32_t kPTProductInfoCount = 4;
extern const PrintTypeEntry PTProductInfo[kPTProductInfoCount];

// Product type 2 ("Default02"): halfwidth katakana user IDs and document names.
inline constexpr int32_t kPTProductTypeKana = 2;
