// One owner block of the accounting group: when and where the job was made,
// who owns it and the password that vouches for them.
#pragma once

#include "filter/PrintOptions.h"

#include <string_view>

// DATE and TIME comments, then CNAM, JOAU, HOAD (when an address is known) and
// JOEP. An empty user falls back to the CUPS user of argument 2.
void OutputJobOwnerCommand(char** argv, const PrintOptions& options, std::string_view user,
                           std::string_view password);
