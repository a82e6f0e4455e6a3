// The static, read-only records a panel defines beside its controls: where a
// control's value is stored (CtrlAccessInfo) and which controls its value
// governs (CnstrnInfo with its CnstrnArray lists). Controls point into them
// and never free them.
#pragma once

#include <cstdint>
#include <span>

// Value forms of CtrlAccessInfo (four-character codes).
inline constexpr uint32_t kCtrlValueTypeInteger = 0;
inline constexpr uint32_t kCtrlValueTypeText = 0x63667374;     // 'cfst'
inline constexpr uint32_t kCtrlValueTypePassword = 0x70776366; // 'pwcf'
inline constexpr uint32_t kCtrlValueTypeDate = 0x64617465;     // 'date'

struct CtrlAccessInfo {
    uint32_t valueType;      // read by panel-specific controls for summaries
    uint32_t valueTypeAgain; // same code as valueType; read by nothing
    const char* ticketKey;   // print-settings key, or null: no ticket, no preset
    const char* prefKey;     // preference key suffix, or null: never stored
};

// A null-terminated list of the addresses of control IDs.
using CnstrnArray = const int32_t* const*;

// One CnstrnArray per array number (the control's value). The table carries
// its length: an array number outside it means "no list", so a value that a
// PPD, a restored preference or a longer menu brings never reads past it.
using CnstrnTable = std::span<const CnstrnArray>;

struct CnstrnInfo {
    CnstrnTable disableLists; // controls disabled while the value holds
    CnstrnTable hideLists;    // controls hidden while the value holds
    CnstrnTable updateLists;  // controls sent Update when the value changes
    CnstrnTable selfLists;    // read only by panel-specific controls
};

// The list at the array number, or null when the table does not reach it.
inline CnstrnArray CnstrnEntry(CnstrnTable table, int arrayNumber)
{
    if (arrayNumber < 0 || static_cast<std::size_t>(arrayNumber) >= table.size()) return nullptr;
    return table[static_cast<std::size_t>(arrayNumber)];
}
