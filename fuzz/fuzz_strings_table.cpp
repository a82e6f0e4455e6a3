// The ".strings" localisation table reader on arbitrary bytes.
#include "FuzzSupport.h"

#include "platform/StringsTable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto table = platform::ParseStringsTable(bytes);
    if (table) {
        // Reading is repeatable: the same bytes give the same pairs.
        const auto again = platform::ParseStringsTable(bytes);
        FUZZ_CHECK(again && *again == *table);
    }
    return 0;
}
