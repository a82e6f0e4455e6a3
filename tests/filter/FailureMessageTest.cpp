// The filter's failure messages as cupsd logs them: each line on standard
// error is "ERROR: " and its fixed text, and none of them reaches the job
// copy, which holds what standard output held.
#include "SpoolwrapRun.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(FailureMessages, EachLineHasTheErrorPrefixAndStaysOutOfTheJobCopy)
{
    const struct Case {
        const char* name;
        std::string options, input;
        int status;
        std::string lines; // standard error, whole
    } cases[] = {
        {"data that is no PDF", "", "no PDF here", 1,
         "ERROR: CGPDFDocumentCreateWithURL error\n"
         "ERROR: The job's data is not a complete PDF document\n"
         "ERROR: Process Data fail\n"},
        // The page pass cannot read it; the job goes out as it came.
        {"a PDF the page pass cannot open, on a job that prints", "QVTurnPage=true",
         "%PDF-1.4\nnot really\n%%EOF", 0, "ERROR: CGPDFDocumentCreateWithURL error\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir tmp;
        WriteFile(tmp.file("marker"), "");
        SpoolwrapJob job = CupsJob(tmp.path(), tmp.file("marker"), c.options);
        job.stdinData = c.input;
        const SpoolwrapResult r = RunSpoolwrap(job);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.err, c.lines);
        int copies = 0;
        for (const std::string& name : tmp.entries()) {
            if (name.rfind("zk", 0) != 0) continue;
            ++copies;
            EXPECT_EQ(ReadFile(tmp.file(name)), r.out);
        }
        EXPECT_EQ(copies, 1);
    }
}

} // namespace
