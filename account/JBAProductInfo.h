// The Job Accounting pane's product table, which the account plug-in reads to
// decide whether the pane exists and which layout it loads.
#pragma once

#include <cstdint>

#include "account/PrintTypeEntry.h"

inline constexpr int32_t kJBAProductInfoCount = 3;
extern const PrintTypeEntry JBAProductInfo[kJBAProductInfoCount];
