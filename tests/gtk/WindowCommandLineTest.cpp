// Which command lines open the window: a document or --window without a
// script; what the window mode refuses.
#include <gtest/gtest.h>

#include "host/CommandLine.h"

namespace {

struct Case {
    std::vector<std::string_view> args;
    bool parses;
    bool window;
    std::string error{};
};

} // namespace

TEST(WindowCommandLine, ADocumentOrWindowWithoutAScriptOpensTheWindow)
{
    const std::vector<Case> cases = {
        {{"report.pdf"}, true, true},
        {{"report.pdf", "--dest", "KZ63"}, true, true},
        {{"--window", "--ppd", "a.ppd", "--screenshots", "out"}, true, true},
        {{"--window"}, true, true},
        // A script keeps the dialog headless; it then needs its printer.
        {{"report.pdf", "--script", "s", "--ppd", "a.ppd"}, true, false},
        {{"report.pdf", "--script", "s"}, false, false, "give one of --ppd FILE and --dest QUEUE"},
        {{"--ppd", "a.ppd"}, true, false},
        {{"report.pdf", "--ppd", "a.ppd", "--dest", "KZ63"},
         false,
         false,
         "give at most one of --ppd FILE and --dest QUEUE"},
        {{"--ppd", "a.ppd", "--screenshots", "out"},
         false,
         false,
         "--screenshots needs the window (a document or --window, and no script)"},
        {{"a.pdf", "b.pdf"}, false, false, "unknown argument \"b.pdf\""},
    };
    for (const Case& c : cases) {
        std::string joined;
        for (std::string_view arg : c.args) joined += std::string(arg) + " ";
        SCOPED_TRACE(joined);
        std::string error;
        const std::optional<host::CommandLine> line = host::ParseCommandLine(c.args, error);
        ASSERT_EQ(line.has_value(), c.parses) << error;
        if (line) {
            EXPECT_EQ(host::OpensWindow(*line), c.window);
        } else {
            EXPECT_EQ(error, c.error);
        }
    }
}
