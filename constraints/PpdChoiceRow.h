// The choice rows that PPD-bound controls show and test.
#pragma once

#include <string>
#include <vector>

inline constexpr const char* kConflictTrue = "ConflictTrue";
inline constexpr const char* kConflictFalse = "ConflictFalse";

// One row per PPD choice: four texts, always in this order. All are UTF-8.
struct PpdChoiceRow {
    std::string optionKeyword;
    std::string choiceKeyword;
    std::string choiceText;    // the PPD's translation string
    std::string conflictState; // kConflictTrue or kConflictFalse

    friend bool operator==(const PpdChoiceRow&, const PpdChoiceRow&) = default;
};

// A control's choice list, owned by the control; the lookups append to it.
using PpdChoiceList = std::vector<PpdChoiceRow>;
