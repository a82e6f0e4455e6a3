// Whole jobs that go through the real pdftopdf and the page pass, checked with
// qpdf, pdfinfo and by rendering where the marks landed.
#include "PdfTestSupport.h"
#include "SpoolwrapRun.h"

#include <gtest/gtest.h>

namespace {

std::string Ppd(const std::string& name) { return ProjectPath("ppd/" + name); }

// One field of pdfinfo's report, without the padding.
std::string PdfInfoField(const std::string& pdf, const std::string& field)
{
    const std::string info = RunProcess({"pdfinfo", {pdf}}).out;
    const size_t at = info.find("\n" + field + ":");
    if (at == std::string::npos) return {};
    const size_t start = info.find_first_not_of(' ', at + field.size() + 2);
    return info.substr(start, info.find('\n', start) - start);
}

class PagePassJob : public ::testing::Test {
protected:
    TempDir tmp, work;
    std::string input = work.file("in.pdf");

    void SetUp() override { WriteMarkedPdf(input, 5); }

    // Runs a job over the input and returns the PDF it sent (saved as out.pdf).
    std::string Run(const std::string& options, const std::string& ppd = "quorvel-kz63-color-mfp.ppd",
                    bool fromStdin = false)
    {
        SpoolwrapJob job;
        job.args = {"7", "bob", "doc", "1", options};
        if (fromStdin)
            job.stdinData = ReadFile(input);
        else
            job.args.push_back(input);
        job.env = {{"PPD", Ppd(ppd)}, {"TMPDIR", tmp.path()}, {"SPOOLWRAP_JOBCOPY_MARKER", tmp.file("none")}};
        const SpoolwrapResult r = RunSpoolwrap(job);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_TRUE(tmp.entries().empty()) << "temporary files left behind";
        last = r;
        const std::string pdf = JobPdf(r.out);
        WriteFile(work.file("out.pdf"), pdf);
        return work.file("out.pdf");
    }

    std::vector<Corner> Corners(const std::string& pdf)
    {
        std::vector<Corner> corners;
        for (int i = 0; i < PdfPageCount(pdf); ++i) corners.push_back(FindCornerMark(RenderPage(pdf, i)));
        return corners;
    }

    SpoolwrapResult last;
};

TEST_F(PagePassJob, PageSetOddThroughPdftopdf)
{
    const std::string pdf = Run("page-set=odd");
    EXPECT_EQ(RunProcess({"qpdf", {"--show-npages", pdf}}).out, "3\n");
    EXPECT_EQ(PdfInfoField(pdf, "Pages"), "3");
    std::vector<int> ids;
    for (int i = 0; i < 3; ++i) ids.push_back(FindPageIdentity(RenderPage(pdf, i)));
    EXPECT_EQ(ids, (std::vector<int>{1, 3, 5}));
}

TEST_F(PagePassJob, NumberUpTwoThroughPdftopdf)
{
    const std::string pdf = Run("number-up=2", "quorvel-kz63-color-mfp.ppd", true);
    EXPECT_EQ(RunProcess({"qpdf", {"--show-npages", pdf}}).out, "3\n");
    EXPECT_EQ(PdfInfoField(pdf, "Pages"), "3");
    // pdftopdf lays two portrait pages on a landscape A4 sheet.
    EXPECT_EQ(PdfInfoField(pdf, "Page size"), "842 x 595 pts (A4)");
    const std::vector<std::string> header = HeaderLines(last.out);
    EXPECT_NE(std::find(header.begin(), header.end(), "@PJL SET JOBATTR=\"@NLPP=N2\""), header.end());
    // Two pages side by side on a turned sheet: the sheet holds two corner marks.
    EXPECT_NE(FindCornerMark(RenderPage(pdf, 0)), Corner::None);
}

TEST_F(PagePassJob, HalfTurnsFromEachSource)
{
    struct Case {
        const char* options;
        const char* ppd;
    };
    const Case cases[] = {
        {"orientation-requested=6", "quorvel-kz63-color-mfp.ppd"},
        {"orientation-requested=5", "quorvel-kz63-color-mfp.ppd"}, // LandscapeOrientation Plus90
        {"orientation-requested=4", "quorvel-rx42-mfp.ppd"},       // LandscapeOrientation Minus90
        {"QVInputSlot=BypassTray QVMSILeadingEdge=LongEdgeR", "quorvel-kz63-color-mfp.ppd"},
        {"QVInputSlot=BypassTray QVMSILeadingEdge=ShortEdgeR", "quorvel-rx42-mfp.ppd"},
        {"QVTurnPage=true", "quorvel-kz63-color-mfp.ppd"},
    };
    for (const Case& c : cases) {
        const std::string pdf = Run(c.options, c.ppd);
        EXPECT_EQ(Corners(pdf), std::vector<Corner>(5, Corner::BottomRight)) << c.options;
        EXPECT_EQ(FindPageIdentity(RenderPage(pdf, 4)), 5) << c.options;
    }
}

TEST_F(PagePassJob, TwoTurnsLeaveThePagesUpright)
{
    const std::string pdf = Run("orientation-requested=6 QVTurnPage=true");
    EXPECT_EQ(Corners(pdf), std::vector<Corner>(5, Corner::TopLeft));
    // The pass ran: this is a new file, not the input.
    EXPECT_NE(ReadFile(pdf), ReadFile(input));
}

TEST_F(PagePassJob, OrientationsThatAreNotReversedLeaveTheJobAlone)
{
    for (const char* options : {"orientation-requested=4", "orientation-requested=3"}) {
        const std::string pdf = Run(options);
        EXPECT_EQ(ReadFile(pdf), ReadFile(input)) << options;
    }
}

TEST_F(PagePassJob, RasterModeGivesA4PageImages)
{
    const std::string pdf = Run("QVPDFRasterizedMode=true", "quorvel-rx42-mfp.ppd", true);
    const std::string list = RunProcess({"pdfimages", {"-list", pdf}}).out;
    EXPECT_NE(list.find("image    2479  3508  rgb     3   8"), std::string::npos) << list;
    EXPECT_EQ(RunProcess({"qpdf", {"--show-npages", pdf}}).out, "5\n");
    EXPECT_EQ(FindPageIdentity(RenderPage(pdf, 3)), 4);
}

TEST_F(PagePassJob, NoOptionSendsTheInputUnchanged)
{
    for (bool fromStdin : {false, true}) {
        const std::string pdf = Run("Collate=true finishings=3", "quorvel-kz63-color-mfp.ppd", fromStdin);
        EXPECT_EQ(ReadFile(pdf), ReadFile(input));
    }
}

TEST_F(PagePassJob, CopiesLaidByTheLayoutFilterAreRemoved)
{
    // pdftopdf leaves copies to this printer; what the system filter would lay
    // in is given by the sides imaged: 3 pages for each of 2 copies.
    const std::string pdf = Run("page-set=odd com.apple.print.PrintSettings.PMCopies..n.=2 "
                                "com.apple.print.PrintSettings.PMTotalSidesImaged..n.=2 Collate=true");
    EXPECT_EQ(RunProcess({"qpdf", {"--show-npages", pdf}}).out, "1\n");
    EXPECT_EQ(FindPageIdentity(RenderPage(pdf, 0)), 1);
}

TEST_F(PagePassJob, FailedPassSendsTheUnprocessedPdf)
{
    // The sides imaged point past the end of the document: the turn cannot be
    // drawn, so the job goes out as the layout filter made it, whole.
    const std::string pdf = Run("page-set=odd QVTurnPage=true com.apple.print.PrintSettings.PMCopies..n.=2 "
                                "com.apple.print.PrintSettings.PMTotalSidesImaged..n.=20");
    EXPECT_EQ(RunProcess({"qpdf", {"--show-npages", pdf}}).out, "3\n");
    EXPECT_EQ(Corners(pdf), std::vector<Corner>(3, Corner::TopLeft));
}

TEST_F(PagePassJob, UnreadablePdfWithATurnIsSentAsItIs)
{
    WriteFile(input, "%PDF-1.4\nthis is no PDF body\n%%EOF\n");
    const std::string pdf = Run("QVTurnPage=true");
    EXPECT_EQ(ReadFile(pdf), "%PDF-1.4\nthis is no PDF body\n%%EOF\n");
    EXPECT_NE(last.err.find("ERROR: CGPDFDocumentCreateWithURL error\n"), std::string::npos);
}

} // namespace
