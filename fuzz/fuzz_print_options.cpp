// Option reading from an arbitrary argument 5 (and user name and title), with
// each shipped PPD or none, then the whole PJL header written from the record.
// Every header line must stay a single PJL line of at most 254 bytes, whatever
// the options hold.
#include "FuzzSupport.h"

#include "filter/FilterState.h"
#include "filter/HostIdentity.h"
#include "filter/OutputMirror.h"
#include "filter/PjlHeader.h"
#include "filter/PjlLine.h"
#include "filter/PrintOptionsReader.h"
#include "platform/HostAddress.h"

#include <arpa/inet.h>
#include <netinet/in.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

platform::HostAddressList FixedAddresses(const std::string&)
{
    std::vector<sockaddr_storage> list(2);
    auto* v6 = reinterpret_cast<sockaddr_in6*>(&list[0]);
    v6->sin6_family = AF_INET6;
    inet_pton(AF_INET6, "2001:db8::5", &v6->sin6_addr);
    auto* v4 = reinterpret_cast<sockaddr_in*>(&list[1]);
    v4->sin_family = AF_INET;
    inet_pton(AF_INET, "10.1.200.15", &v4->sin_addr);
    return list;
}

// Quotes a line may hold: the two around a JOBATTR string or a quoted
// command's value, none anywhere else.
size_t QuotesAllowed(std::string_view line)
{
    if (line.rfind("@PJL SET JOBATTR=", 0) == 0) return 2;
    if (line.rfind("@PJL SET ", 0) == 0) {
        const std::string_view command = line.substr(9, line.find('=') - 9);
        return IsQuotedPJLCommand(command) ? 2 : 0;
    }
    return 0;
}

void CheckHeader(const std::string& header, PjlCodeSet codeSet)
{
    const std::string uel = "\x1b%-12345X";
    FUZZ_CHECK(header.rfind(uel + "@PJL JOB MODE=PRINTER\n", 0) == 0);
    size_t pos = uel.size();
    while (pos < header.size()) {
        const size_t end = header.find('\n', pos);
        FUZZ_CHECK(end != std::string::npos);             // every line ends with a line feed
        FUZZ_CHECK(end + 1 - pos <= kPJLMaxLine);         // and fits the printer's line buffer
        FUZZ_CHECK(header.compare(pos, 5, "@PJL ") == 0); // no value can start a line of its own
        const std::string_view line(header.data() + pos, end - pos);
        for (char c : line) FUZZ_CHECK(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F);
        // No value closes its string early or opens one of its own.
        FUZZ_CHECK(static_cast<size_t>(std::count(line.begin(), line.end(), '"')) == QuotesAllowed(line));
        // Only whole characters of the printer's code set, so no character can
        // take a closing quote or the line feed as its second byte.
        FUZZ_CHECK(KeepWholeCharacters(line, codeSet) == line);
        pos = end + 1;
    }
    const std::string tail = "@PJL ENTER LANGUAGE=PDF\n";
    FUZZ_CHECK(header.size() >= tail.size() &&
               header.compare(header.size() - tail.size(), tail.size(), tail) == 0);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    platform::SetHostResolver(FixedAddresses);
    ::setenv("SPOOLWRAP_JOBCOPY_MARKER", "/nonexistent/qv-fuzz-marker", 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Input in(data, size);
    const uint8_t ppdChoice = in.Byte() % 4;
    if (ppdChoice < 3)
        ::setenv("PPD", fuzz::SourcePath(fuzz::kShippedPpds[ppdChoice]).c_str(), 1);
    else
        ::unsetenv("PPD");
    std::string user(in.Piece(0));
    std::string title(in.Piece(0));
    std::string copies(in.Piece(0));
    std::string options(in.Rest());
    options = options.c_str(); // an argument cannot hold a zero byte

    std::vector<std::string> args = {"spoolwrap", "7", user, title, copies, options};
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);

    ResetFilterState();
    FUZZ_CHECK(GetPrintOptions(argv.data(), printoptions) == 1);
    // Text fields stay terminated inside their size.
    FUZZ_CHECK(std::memchr(printoptions.printType.userName, 0, sizeof printoptions.printType.userName));
    FUZZ_CHECK(std::memchr(PTStdDocumentName, 0, sizeof PTStdDocumentName));
    FUZZ_CHECK(std::memchr(StdUserName, 0, sizeof StdUserName));

    char* buffer = nullptr;
    size_t length = 0;
    std::FILE* capture = ::open_memstream(&buffer, &length);
    SetPjlOutputStream(capture);
    FUZZ_CHECK(OutputXPJLCommand(argv.data(), printoptions, 1234) == 1);
    std::fflush(capture);
    CheckHeader(std::string(buffer, length), PJLCodeSetFor(printoptions.ppdInfo.printerLanguageEncoding));
    SetPjlOutputStream(nullptr);
    std::fclose(capture);
    std::free(buffer);

    return 0;
}
