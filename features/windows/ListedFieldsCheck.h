// The check a margin window's stepper or unit radio button makes before it
// acts: the fields it names are read from the screen and checked as OK
// checks them; the first refusal shows its message.
#pragma once

#include <cstdint>
#include <vector>

class BasePrintPanel;

// YES when every listed field of the panel passes (unknown IDs are skipped).
bool ListedFieldsPass(const BasePrintPanel* panel, const std::vector<const int32_t*>& fieldIDs);
