// The conversion-table line matching: an arbitrary table searched for the
// source types a PPD may name.
#include "FuzzSupport.h"

#include "filter/NextFilter.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static fuzz::ScratchFile table(".convs");
    fuzz::Input in(data, size);
    const std::string source(in.Piece('\n'));
    const std::string& path = table.Write(in.Rest());
    for (const std::string& src :
         {std::string("application/pdf"), std::string("application/vnd.cups-pdf"), source}) {
        std::string program;
        const int found = BestFilter(path, src, "application/vnd.cups-pdf", program);
        FUZZ_CHECK(found == 0 || found == 1);
        if (found == 1) {
            // A program name is one word of at most 63 bytes: it becomes a path to run.
            FUZZ_CHECK(!program.empty() && program.size() <= 63);
            FUZZ_CHECK(program.find_first_of(" \t\f\r\n") == std::string::npos);
        } else {
            FUZZ_CHECK(program.empty());
        }
    }
    return 0;
}
