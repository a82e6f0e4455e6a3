// Helpers for the owner, print-type and document-name tests: whole jobs through
// the real filter with the ticket keys that make the owner block repeatable,
// the value escape, and checks that a header holds only the lines we wrote.
#pragma once

#include "JobDocHarness.h"
#include "SpoolwrapRun.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace owner {

inline const std::string kPrefix = "com.lumeral.vrk.printsettings.";

// The keys the accounting panel writes about the client, fixed so that the
// owner block does not depend on the clock or the machine.
inline const std::string kFixedClient =
    kPrefix + "JBAPllrPrintDateTicketKey=12/24/2026 " + kPrefix + "JBAPllrPrintTimeTicketKey=09:05:07 " +
    kPrefix + "JBAMacHostNameStringTicket=office-mac " + kPrefix + "JBAIPAddressStringTicket=I0A01C80F";

// A print-settings option "Name=value".
inline std::string Key(const std::string& name, const std::string& value)
{
    return " " + kPrefix + name + "=" + value;
}

// The value escape the dialog extensions write: "/" and the decimal code of each byte.
inline std::string Escaped(std::string_view bytes)
{
    std::string out;
    for (char c : bytes) out += "/" + std::to_string(static_cast<unsigned char>(c));
    return out;
}

// A one-page PDF stand-in; the header does not look inside it.
inline const std::string kPdf = "%PDF-1.4\n%%EOF\n";

// Runs the filter on a job and hands back its output (the test fails on a bad exit).
inline std::string RunJob(const std::string& ppd, const std::string& options,
                          const std::string& user = "alice", const std::string& title = "report")
{
    TempDir tmp;
    WriteFile(tmp.file("in.pdf"), kPdf);
    SpoolwrapJob job;
    job.args = {"42", user, title, "1", options, tmp.file("in.pdf")};
    job.env = {{"PPD", ppd}, {"TMPDIR", tmp.path()}, {"SPOOLWRAP_JOBCOPY_MARKER", tmp.path() + "/no-marker"}};
    const SpoolwrapResult r = RunSpoolwrap(job);
    EXPECT_EQ(r.status, 0) << r.err;
    return r.out;
}

// The header's bytes, up to and including the ENTER LANGUAGE line.
inline std::string Header(const std::string& job)
{
    const std::string enter = "@PJL ENTER LANGUAGE=PDF\n";
    const size_t end = job.find(enter);
    EXPECT_NE(end, std::string::npos) << "no ENTER LANGUAGE line";
    return end == std::string::npos ? job : job.substr(0, end + enter.size());
}

// Every header line is one we meant to write: it fits the printer's line buffer,
// starts a PJL command, and no value smuggled in a line end, an escape byte or a
// command of its own.
inline void ExpectOnlyOurLines(const std::string& job, const std::string& smuggled)
{
    const std::string header = Header(job);
    EXPECT_EQ(header.rfind("\x1b%-12345X@PJL JOB MODE=PRINTER\n", 0), 0u);
    EXPECT_EQ(header.find('\x1b', 1), std::string::npos) << "escape byte inside the header";
    EXPECT_EQ(header.find('\r'), std::string::npos) << "carriage return inside the header";
    EXPECT_EQ(header.find('\x7f'), std::string::npos) << "DEL byte inside the header";
    size_t start = 0;
    int lineNo = 0;
    while (start < header.size()) {
        const size_t end = header.find('\n', start);
        ASSERT_NE(end, std::string::npos);
        const std::string line = header.substr(start, end - start);
        EXPECT_LE(line.size() + 1, 254u) << line;
        if (lineNo > 0) {
            EXPECT_EQ(line.rfind("@PJL ", 0), 0u) << line;
            EXPECT_NE(line.rfind(smuggled, 0), 0u) << "smuggled line: " << line;
        }
        start = end + 1;
        ++lineNo;
    }
}

} // namespace owner
