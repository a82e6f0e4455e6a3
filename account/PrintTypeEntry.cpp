#include "account/PrintTypeEntry.h"

int32_t FindProductIndex(std::span<const PrintTypeEntry> table, std::string_view productName)
{
    for (const PrintTypeEntry& entry : table) {
        if (productName == entry.name) return entry.index;
    }
    return 0;
}
