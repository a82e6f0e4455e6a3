#include "account/printtype/PrintTypeMenu.h"

#include "panelkit/CurrentPrintType.h"

PrintTypeMenu::PrintTypeMenu(bool withMailBox, bool withDelayed) : withDelayed_(withDelayed)
{
    for (const PrintTypeMenuEntry& entry : kPrintTypeMenuEntries) {
        if (entry.value == kPrintTypeMailBox && !withMailBox) continue;
        entries_.push_back(entry);
    }
    if (withDelayed) entries_.push_back(kDelayedPrintMenuEntry);
}

int PrintTypeMenu::PositionOfValue(int32_t value) const
{
    for (size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].value == value) return static_cast<int>(i);
    }
    return -1;
}

int32_t PrintTypeMenu::ValueAtPosition(int position) const
{
    if (position < 0 || static_cast<size_t>(position) >= entries_.size()) return 0;
    return entries_[static_cast<size_t>(position)].value;
}

const char* PrintTypeMenu::KeyOfValue(int32_t value)
{
    for (const PrintTypeMenuEntry& entry : kPrintTypeMenuEntries)
        if (entry.value == value) return entry.key;
    return value == kDelayedPrintMenuEntry.value ? kDelayedPrintMenuEntry.key : nullptr;
}
