#include "constraints/CQuickXPPD.h"
#include "constraints/XPPDBuild.h"
#include "constraints/XppdCacheTool.h"
#include "tests/constraints/ConstraintsTestSupport.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <sstream>

using namespace constraints_test;

namespace {

struct ToolRun {
    int status = -1;
    std::string out;
};

// ToolRun the installed-form command through the shell, standard error dropped.
ToolRun RunTool(const std::string& arguments)
{
    ToolRun run;
    const std::string command = std::string(QV_XPPDCACHE_BIN) + " " + arguments + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof(buffer), pipe)) > 0) run.out.append(buffer, got);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
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
        const ToolRun run = RunTool(path);
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
    const ToolRun run = RunTool(path + " QVPunch Duplex");
    EXPECT_EQ(run.status, 0);
    XppdTable built;
    BuildXppdFromConstraints(ppd.get(), &built, std::vector<std::string>{"QVPunch", "Duplex"});
    EXPECT_EQ(ReadSection(run.out, ppd.get()), Entries(built));
    EXPECT_TRUE(built.Find("QVStaple:LeftDoublePort").size() == 1);

    // An unknown keyword is kept (and reported); it selects nothing.
    const ToolRun unknown = RunTool(path + " QVNoSuchOption");
    EXPECT_EQ(unknown.status, 0);
    EXPECT_EQ(unknown.out, "PrintFeaturePDETiger\n\n");
}

TEST(XppdCacheTool, StampFollowsThePlatformRelease)
{
    ScopedRelease panther("7.0.0");
    const ToolRun run = RunTool(ProjectPPDPath("quorvel-wt74-printer.ppd"));
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.starts_with("PrintFeaturePDEPanther\n"));
}

TEST(XppdCacheTool, BadArgumentsAndUnwritableOutputFail)
{
    EXPECT_EQ(RunTool("").status, kXppdCacheUsage);
    EXPECT_EQ(RunTool("/nonexistent/printer.ppd").status, kXppdCacheFailed);
    EXPECT_EQ(RunTool(ProjectPPDPath("quorvel-kz63-color-mfp.ppd") + " >/dev/full").status, kXppdCacheFailed);

    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunXppdCache(std::vector<std::string>{"/nonexistent/printer.ppd"}, out, err), kXppdCacheFailed);
    EXPECT_NE(err.str().find("cannot read PPD /nonexistent/printer.ppd"), std::string::npos);
    EXPECT_TRUE(out.str().empty());
}

} // namespace
