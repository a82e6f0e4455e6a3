// Failure messages of the filter, as CUPS logs them.
//
// cupsd reads a filter's standard error line by line and logs a line above
// debug level only when it starts with a level prefix; a bare line is kept at
// debug level, which the default log level drops, and a person looking at
// the error log of a failed job would never learn why it failed. So every
// failure message is "ERROR: " followed by its fixed text.
//
// These messages go to standard error only: unlike the job's own bytes they
// do not pass through the output mirror functions, so the job copy holds
// exactly what standard output held.
#pragma once

#include <string_view>

inline constexpr std::string_view kErrorPrefix = "ERROR: ";

// Writes "ERROR: " and text (which carries its own line end) to standard
// error in one write, so that the line reaches cupsd whole.
void PutErrorMessage(std::string_view text);
