#include "constraints/CQuickXPPD.h"
#include "constraints/XPPDBuild.h"
#include "constraints/XppdCacheTool.h"
#include "tests/constraints/ConstraintsTestSupport.h"
#include "tests/support/ProcessRunner.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace constraints_test;

namespace {

using testing_support::ProcessResult;

// The tool as a person runs it; its standard error is not looked at.
ProcessResult RunTool(std::vector<std::string> args, const std::string& stdoutFile = "")
{
    return testing_support::RunProcess(
        {.program = QV_XPPDCACHE_BIN, .args = std::move(args), .stdoutFile = stdoutFile});
}

std::vector<std::pair<std::string, x_constraints>> ReadSection(const std::string& text, ppd_file_t* ppd)
{
    XppdTable table;
    CQuickXPPD reader(ppd, &table, "PrintFeaturePDETiger");
    std::istringstream in(text);
    in >> reader;
    EXPECT_EQ(reader.SkippedRecords(), 0u);
    return Entries(table);
}

TEST(XppdCacheTool, OutputReadsBackAsTheTableBuiltFromEveryOption)
{
    for (const char* name :
         {"quorvel-kz63-color-mfp.ppd", "quorvel-rx42-mfp.ppd", "quorvel-wt74-printer.ppd"}) {
        const std::string path = ProjectPPDPath(name);
        PpdFilePtr ppd = OpenOrFail(path);
        ASSERT_TRUE(ppd);
        const ProcessResult run = RunTool({path});
        EXPECT_EQ(run.status, 0) << name;
        EXPECT_TRUE(run.out.starts_with("PrintFeaturePDETiger\n")) << name;
        EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 2) << name;
        XppdTable built;
        BuildXppdFromConstraints(ppd.get(), &built, OptionKeywords(ppd.get()));
        EXPECT_FALSE(built.Empty()) << name;
        EXPECT_EQ(ReadSection(run.out, ppd.get()), Entries(built)) << name;
    }
}

TEST(XppdCacheTool, GivenKeywordsAreTheFilterList)
{
    const std::string path = ProjectPPDPath("quorvel-kz63-color-mfp.ppd");
    PpdFilePtr ppd = OpenOrFail(path);
    ASSERT_TRUE(ppd);
    const ProcessResult run = RunTool({path, "QVPunch", "Duplex"});
    EXPECT_EQ(run.status, 0);
    XppdTable built;
    BuildXppdFromConstraints(ppd.get(), &built, std::vector<std::string>{"QVPunch", "Duplex"});
    EXPECT_EQ(ReadSection(run.out, ppd.get()), Entries(built));
    EXPECT_TRUE(built.Find("QVStaple:LeftDoublePort").size() == 1);

    // An unknown keyword is kept (and reported); it selects nothing.
    const ProcessResult unknown = RunTool({path, "QVNoSuchOption"});
    EXPECT_EQ(unknown.status, 0);
    EXPECT_EQ(unknown.out, "PrintFeaturePDETiger\n\n");
}

TEST(XppdCacheTool, StampFollowsThePlatformRelease)
{
    ScopedRelease panther("7.0.0");
    const ProcessResult run = RunTool({ProjectPPDPath("quorvel-wt74-printer.ppd")});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.starts_with("PrintFeaturePDEPanther\n"));
}

TEST(XppdCacheTool, BadArgumentsAndUnwritableOutputFail)
{
    EXPECT_EQ(RunTool({}).status, kXppdCacheUsage);
    EXPECT_EQ(RunTool({"/nonexistent/printer.ppd"}).status, kXppdCacheFailed);
    EXPECT_EQ(RunTool({ProjectPPDPath("quorvel-kz63-color-mfp.ppd")}, "/dev/full").status, kXppdCacheFailed);

    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunXppdCache(std::vector<std::string>{"/nonexistent/printer.ppd"}, out, err), kXppdCacheFailed);
    EXPECT_NE(err.str().find("cannot read PPD /nonexistent/printer.ppd"), std::string::npos);
    EXPECT_TRUE(out.str().empty());
}

} // namespace
