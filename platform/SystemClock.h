// The clock the dialog extensions read (the Job Accounting pane's date and
// time). Tests and scripted runs fix it with QV_NOW, a local time
// "YYYY-MM-DDTHH:MM:SS" with optional ".fff" milliseconds; unset or empty,
// it is the system clock. Read anew on every call, so the host and each
// bundle's copy of this layer see the same time.
#pragma once

#include <chrono>
#include <optional>
#include <string_view>

namespace platform {

inline constexpr const char* kClockVariable = "QV_NOW";

// The moment a "YYYY-MM-DDTHH:MM:SS[.fff]" local time names; nothing for
// text of another form or a date that does not exist (2026-02-30).
std::optional<std::chrono::system_clock::time_point> ParseLocalTimestamp(std::string_view text);

// Whether QV_NOW is unset, empty or a well-formed time (the host refuses to
// start on a malformed one rather than run on the real clock unnoticed).
bool IsClockOverrideValid();

// QV_NOW when it holds a well-formed time, else the system clock.
std::chrono::system_clock::time_point CurrentTime();

} // namespace platform
