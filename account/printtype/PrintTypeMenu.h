// The print-type list's menu: which print type each menu position stands
// for. The list stores the print type value (1 normal, 2 secure, 3 sample,
// 4 delayed, 5 mailbox) while its menu holds only the types the printer
// offers, so a value is never its position plus one: mailbox print sits at
// position 3 when offered, and delayed print has no entry of its own. Both
// directions of the mapping live here, and the list's constraint lists are
// indexed by menu position.
#pragma once

#include <cstdint>
#include <vector>

struct PrintTypeMenuEntry {
    const char* key; // localisation key of the entry's title
    int32_t value;   // print type value
};

// The entries a printer can offer, in menu order.
inline constexpr PrintTypeMenuEntry kPrintTypeMenuEntries[] = {
    {"Job Type None", 1},
    {"Job Type Secure", 2},
    {"Job Type Sample", 3},
    {"Job Type MBN", 5},
};

// The entry shown only while a restored delayed print (4) is the list's value:
// the person sees what the job will do and can open its details window, but
// cannot choose it again once another type is chosen.
inline constexpr PrintTypeMenuEntry kDelayedPrintMenuEntry = {"Job Type Delayed", 4};

class PrintTypeMenu {
public:
    // The offered entries: mailbox print only with the PPD's mailbox
    // attribute; the delayed entry last when asked for.
    PrintTypeMenu(bool withMailBox, bool withDelayed);

    const std::vector<PrintTypeMenuEntry>& Entries() const { return entries_; }
    bool HasDelayedEntry() const { return withDelayed_; }

    // The menu position of the value; -1 when the menu has no entry for it.
    int PositionOfValue(int32_t value) const;
    // The value at the menu position; 0 when the position is outside the menu.
    int32_t ValueAtPosition(int position) const;

    // The localisation key of a print type's entry (delayed print included);
    // null for a value that is no print type.
    static const char* KeyOfValue(int32_t value);

private:
    std::vector<PrintTypeMenuEntry> entries_;
    bool withDelayed_;
};
