// The constraint cache file reader on arbitrary bytes, with a real PPD so that
// records are checked against its groups, options and choices; then every key
// read is queried.
#include "FuzzSupport.h"

#include "constraints/CQuickXPPD.h"
#include "platform/PpdFile.h"
#include "constraints/XPPDCache.h"
#include "constraints/XPPDQuery.h"

#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static PpdFilePtr ppds[] = {
        OpenPpdFile(fuzz::SourcePath("ppd/quorvel-kz63-color-mfp.ppd")),
        OpenPpdFile(fuzz::SourcePath("tests/constraints/fixtures/shapes.ppd")),
    };
    fuzz::Input in(data, size);
    const uint8_t control = in.Byte();
    ppd_file_t* ppd = ppds[control & 1].get();
    FUZZ_CHECK(ppd != nullptr);
    const std::string bytes(in.Rest());

    XppdTable table;
    // Half the inputs get the stamp line in front, so the data line is reached.
    std::istringstream file(control & 2 ? "PrintFeaturePDETiger\n" + bytes : bytes);
    CQuickXPPD reader(ppd, &table, "PrintFeaturePDETiger");
    file >> reader;

    for (const auto& [key, place] : table.SortedEntries()) {
        FUZZ_CHECK(!key.empty());
        FUZZ_CHECK(ChoiceAtPlace(*ppd, place) != nullptr); // only places inside this PPD enter
        const size_t colon = key.find(':');
        const std::string option = key.substr(0, colon);
        const std::string choice = colon == std::string::npos ? "" : key.substr(colon + 1);
        const int conflicted = IsPPDChoiceConflicted(ppd, &table, option, choice);
        FUZZ_CHECK(conflicted == 0 || conflicted == 1);
    }

    // The field splitter on its own.
    std::string_view source(bytes);
    std::string field;
    while (getoneline(source, field, '@')) FUZZ_CHECK(field.find('@') == std::string::npos);
    return 0;
}
