// One PJL line from an arbitrary kind, name and value: a single line of at
// most 254 bytes, and nothing in the value can end the line or the quoted
// value early.
#include "FuzzSupport.h"

#include "filter/PjlLine.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Input in(data, size);
    const uint8_t kindChoice = in.Byte() % 3;
    const char* kind = kindChoice == 0 ? "SET" : kindChoice == 1 ? "ATTR" : "OTHER";
    // Names are the writer's own constants; values come from the job.
    static const char* const kNames[] = {"COPIES", "HOLDKEY", "USERNAME", "JOBNAME",
                                         "CNAM",   "JOAU",    "JOEP",     "FSIZ"};
    const std::string_view name = kNames[in.Byte() % 8];
    const std::string_view value = in.Rest();

    for (const std::string& line : {FormatPJLCommand(kind, name, value), FormatPJLComment(value)}) {
        if (line.empty()) {
            FUZZ_CHECK(kindChoice == 2);
            continue;
        }
        FUZZ_CHECK(line.size() <= kPJLMaxLine);
        FUZZ_CHECK(line.rfind("@PJL ", 0) == 0);
        FUZZ_CHECK(line.back() == '\n');
        FUZZ_CHECK(line.find('\n') == line.size() - 1);
        FUZZ_CHECK(line.find('\r') == std::string::npos);
        FUZZ_CHECK(line.find('\0') == std::string::npos);
    }
    const std::string clean = CleanPJLValue(value);
    for (char c : clean) FUZZ_CHECK(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F && c != '"');
    for (size_t cut = 0; cut <= value.size() && cut < 300; cut += 7)
        FUZZ_CHECK(CutAtCharacter(value, cut).size() <= cut);
    return 0;
}
