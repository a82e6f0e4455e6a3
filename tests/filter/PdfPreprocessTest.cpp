// Deciding the system PDF filter and the page pass from the job's options.
#include "PdfTestSupport.h"
#include "SpoolwrapRun.h"

#include "filter/FilterState.h"
#include "filter/PdfPreprocess.h"
#include "platform/PpdFile.h"
#include "filter/PrintOptionsReader.h"
#include "filter/UtilityFunctionFilter.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <regex>

namespace {

std::string Ppd(const std::string& name) { return ProjectPath("ppd/" + name); }

// The options string cupsd really passes for a plain job.
const char* kCupsdOptions =
    "job-uuid=urn:uuid:0b7a4bd9-3c48-3d48-6f2e-1c5e6f1a7d20 job-originating-host-name=localhost "
    "date-time-at-creation= date-time-at-processing= time-at-creation=1700000000 "
    "time-at-processing=1700000000 document-name-supplied=x.pdf finishings=3 number-up=1 "
    "print-color-mode=color Collate";

TEST(SystemPdfFilterTest, EachLayoutOptionAsksForIt)
{
    struct Case {
        size_t offset;
        const char* value;
        int expected;
    };
    const Case cases[] = {
        {offsetof(FeaturesOption, scaling), "1", 0},
        {offsetof(FeaturesOption, scaling), "0.5", 1},
        {offsetof(FeaturesOption, numberUp), "1", 0},
        {offsetof(FeaturesOption, numberUp), "N2", 1},
        {offsetof(FeaturesOption, pageBorder), "single", 1},
        {offsetof(FeaturesOption, outputOrder), "Normal", 0},
        {offsetof(FeaturesOption, outputOrder), "Reverse", 1},
        {offsetof(FeaturesOption, pageToPaperMapping), "1", 0},
        {offsetof(FeaturesOption, pageToPaperMapping), "2", 1},
        {offsetof(FeaturesOption, pageSet), "odd", 1},
        {offsetof(FeaturesOption, mirror), "true", 1},
    };
    for (const Case& c : cases) {
        PrintOptions options{};
        std::strcpy(reinterpret_cast<char*>(&options.features) + c.offset, c.value);
        EXPECT_EQ(checkIfNeddApplePDF(options), c.expected) << c.offset << "=" << c.value;
    }
    PrintOptions empty{};
    EXPECT_EQ(checkIfNeddApplePDF(empty), 0);
    // Fields that are not layout options do not count.
    std::strcpy(empty.features.collate, "true");
    std::strcpy(empty.features.rasterizedMode, "true");
    EXPECT_EQ(checkIfNeddApplePDF(empty), 0);
}

TEST(SystemPdfFilterTest, CupsdOptionsWithNumberUpOneNeedNoLayoutPass)
{
    TempDir tmp;
    ScopedEnv ppd("PPD", Ppd("quorvel-kz63-color-mfp.ppd"));
    std::string options = kCupsdOptions;
    char* argv[] = {const_cast<char*>("spoolwrap"),
                    const_cast<char*>("1"),
                    const_cast<char*>("u"),
                    const_cast<char*>("t"),
                    const_cast<char*>("1"),
                    options.data(),
                    nullptr};
    ResetFilterState();
    ASSERT_EQ(GetPrintOptions(argv, printoptions), 1);
    EXPECT_STREQ(printoptions.features.numberUp, "1");
    EXPECT_EQ(checkIfNeddApplePDF(printoptions), 0);
    EXPECT_FALSE(PagePassMayBeNeeded(argv));
}

class DocInfo : public ::testing::Test {
protected:
    TempDir tmp;
    PDFDocInfo info;
};

TEST_F(DocInfo, InitCountsPagesAndResetsTheRecord)
{
    WriteMarkedPdf(tmp.file("five.pdf"), 5);
    info.rotation = 180;
    info.rasterFlag = 1;
    info.pageStep = 3;
    ASSERT_EQ(pdfDocInfo_init(tmp.file("five.pdf").c_str(), info), 0);
    EXPECT_EQ(info.pageCount, 5);
    EXPECT_EQ(info.lastPage, 5);
    EXPECT_EQ(info.pageStep, 1);
    EXPECT_EQ(info.rotation, 0);
    EXPECT_EQ(info.rasterFlag, 0);
    EXPECT_STREQ(info.optionPrefix, "QV");
    EXPECT_NE(info.document, nullptr);
}

TEST_F(DocInfo, UnreadableDocumentsGiveTheMessageAndNoPages)
{
    WriteFile(tmp.file("text.pdf"), "hello, not a PDF\n");
    WriteFile(tmp.file("empty.pdf"), "");
    for (const char* name : {"text.pdf", "empty.pdf", "missing.pdf"}) {
        for (auto open : {pdfDocInfo_init, pdfDocInfo_probe}) {
            ::testing::internal::CaptureStderr();
            EXPECT_EQ(open(tmp.file(name).c_str(), info), -1) << name;
            EXPECT_EQ(::testing::internal::GetCapturedStderr(), "ERROR: CGPDFDocumentCreateWithURL error\n")
                << name;
            EXPECT_EQ(info.pageCount, 0);
            EXPECT_EQ(info.document, nullptr);
        }
    }
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(pdfDocInfo_init("", info), -1);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "ERROR: CFURLCreateFromFileSystemRepresentation error\n");
}

TEST_F(DocInfo, ProbeAcceptsAPdfWithoutReadingIt)
{
    // A header and nothing else: the probe only looks at the header.
    WriteFile(tmp.file("head.pdf"), std::string(100, ' ') + "%PDF-1.7\n");
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(pdfDocInfo_probe(tmp.file("head.pdf").c_str(), info), 0);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(info.document, nullptr);
}

// Runs checkNumPages on a record of pageCount pages.
struct CopiesCase {
    int pageCount;
    const char* options;
    bool systemFilterRan;
    int expected, lastPage, step;
};

TEST(CopiesCheck, Cases)
{
    const CopiesCase cases[] = {
        // The layout filter laid two collated copies of 3 pages: keep 1-3.
        {6, "com.apple.print.PrintSettings.PMCopies..n.=2 Collate=true", true, 1, 3, 1},
        // Uncollated: keep 1, 3, 5.
        {6, "com.apple.print.PrintSettings.PMCopies..n.=2 Collate=false", true, 1, 6, 2},
        // Collate absent: the pass runs over the whole document.
        {6, "com.apple.print.PrintSettings.PMCopies..n.=2", true, 1, 6, 1},
        // One copy, or none given: nothing to remove.
        {6, "com.apple.print.PrintSettings.PMCopies..n.=1 Collate=true", true, 0, 6, 1},
        {6, "Collate=true", true, 0, 6, 1},
        // Without the layout filter the document holds one copy.
        {3, "com.apple.print.PrintSettings.PMCopies..n.=2 Collate=true", false, 0, 3, 1},
        // The sides imaged say how many pages one copy has.
        {6,
         "com.apple.print.PrintSettings.PMCopies..n.=2 "
         "com.apple.print.PrintSettings.PMTotalSidesImaged..n.=3 Collate=true",
         false, 1, 3, 1},
        {6,
         "com.apple.print.PrintSettings.PMCopies..n.=2 "
         "com.apple.print.PrintSettings.PMTotalSidesImaged..n.=12",
         false, 0, 6, 1},
        // Page sets: the last page follows the total even when no copies are cut.
        {5,
         "com.apple.print.PrintSettings.PMCopies..n.=2 "
         "com.apple.print.PrintSettings.PMTotalSidesImaged..n.=10 page-set=odd",
         false, 0, 5, 1},
        {5,
         "com.apple.print.PrintSettings.PMCopies..n.=2 "
         "com.apple.print.PrintSettings.PMTotalSidesImaged..n.=10 page-set=even",
         false, 0, 5, 1},
        // ... and stays when Collate is absent.
        {9,
         "com.apple.print.PrintSettings.PMCopies..n.=3 "
         "com.apple.print.PrintSettings.PMTotalSidesImaged..n.=9 page-set=odd",
         false, 1, 5, 1},
        // Three copies uncollated.
        {9, "com.apple.print.PrintSettings.PMCopies..n.=3 Collate=false", true, 1, 9, 3},
        // A layout filter that left the copies to the printer: 5 pages cannot
        // hold two copies, so nothing is cut.
        {5, "com.apple.print.PrintSettings.PMCopies..n.=2 Collate=true", true, 0, 5, 1},
    };
    for (const CopiesCase& c : cases) {
        PDFDocInfo info;
        std::strcpy(info.optionPrefix, "QV");
        info.pageCount = info.lastPage = c.pageCount;
        info.pageStep = 1;
        const CupsOptions options(c.options);
        EXPECT_EQ(checkNumPages(info, options, c.systemFilterRan), c.expected) << c.options;
        EXPECT_EQ(info.lastPage, c.lastPage) << c.options;
        EXPECT_EQ(info.pageStep, c.step) << c.options;
        EXPECT_EQ(info.rotation, 0);
    }
}

// A copy of a project PPD with some lines left out.
std::string PpdWithout(const TempDir& tmp, const std::string& ppd, const std::string& pattern)
{
    std::istringstream in(ReadFile(Ppd(ppd)));
    std::string kept;
    const std::regex drop(pattern);
    for (std::string line; std::getline(in, line);)
        if (!std::regex_search(line, drop)) kept += line + '\n';
    return tmp.Write("edited.ppd", kept);
}

TEST(OrientationCheck, ReverseOrientationsTurnThePage)
{
    TempDir tmp;
    PpdFilePtr plus90(ppdOpenFile(Ppd("quorvel-kz63-color-mfp.ppd").c_str())); // Plus90
    PpdFilePtr minus90(ppdOpenFile(Ppd("quorvel-rx42-mfp.ppd").c_str()));      // Minus90
    PpdFilePtr none(
        ppdOpenFile(PpdWithout(tmp, "quorvel-kz63-color-mfp.ppd", "^\\*LandscapeOrientation").c_str()));
    ASSERT_TRUE(plus90 && minus90 && none);
    ASSERT_EQ(ppdFindAttr_ALT(none.get(), "LandscapeOrientation"), nullptr);
    struct Case {
        ppd_file_t* ppd;
        const char* requested;
        int turned;
    };
    const Case cases[] = {
        {plus90.get(), "6", 1}, {minus90.get(), "6", 1}, {none.get(), "6", 1},    {plus90.get(), "5", 1},
        {plus90.get(), "4", 0}, {minus90.get(), "4", 1}, {minus90.get(), "5", 0}, {none.get(), "5", 0},
        {none.get(), "4", 0},   {plus90.get(), "3", 0},  {minus90.get(), "3", 0},
    };
    for (const Case& c : cases) {
        PDFDocInfo info;
        const CupsOptions options(("orientation-requested=" + std::string(c.requested)).c_str());
        EXPECT_EQ(checkPageOrientation(info, options, c.ppd), c.turned) << c.requested;
        EXPECT_EQ(info.rotation, 180 * c.turned) << c.requested;
    }
    PDFDocInfo info;
    const CupsOptions noOrientation("Collate=true");
    EXPECT_EQ(checkPageOrientation(info, noOrientation, plus90.get()), 0);
}

TEST(PrinterOptionChecks, BypassTurnPageAndRaster)
{
    struct Case {
        const char* options;
        int bypass, turnPage, raster;
    };
    const Case cases[] = {
        {"QVInputSlot=BypassTray QVMSILeadingEdge=LongEdgeR", 1, 0, 0},
        {"QVInputSlot=BypassTray QVMSILeadingEdge=ShortEdgeR", 1, 0, 0},
        {"QVInputSlot=BypassTray QVMSILeadingEdge=ShortEdge", 0, 0, 0},
        {"QVInputSlot=Tray1 QVMSILeadingEdge=LongEdgeR", 0, 0, 0},
        {"QVMSILeadingEdge=LongEdgeR", 0, 0, 0},
        {"QVTurnPage=true", 0, 1, 0},
        {"QVTurnPage=false QVPDFRasterizedMode=false", 0, 0, 0},
        {"QVPDFRasterizedMode=true", 0, 0, 1},
    };
    for (const Case& c : cases) {
        PDFDocInfo info;
        std::strcpy(info.optionPrefix, "QV");
        const CupsOptions options(c.options);
        EXPECT_EQ(checkMSIOrientation(info, options), c.bypass) << c.options;
        EXPECT_EQ(checkTurnPage(info, options), c.turnPage) << c.options;
        EXPECT_EQ(checkRasterMode(info, options), c.raster) << c.options;
        // Rasterising does not turn the page.
        EXPECT_EQ(info.rotation, 180 * (c.bypass + c.turnPage)) << c.options;
        EXPECT_EQ(info.rasterFlag, c.raster) << c.options;
    }
}

class NeedEdit : public ::testing::Test {
protected:
    ScopedEnv ppd{"PPD", Ppd("quorvel-kz63-color-mfp.ppd")};
    PDFDocInfo info;
    std::string options;
    char* argv[7] = {};

    int Check(const std::string& opts, int pageCount, bool ran = false)
    {
        options = opts;
        static char name[] = "spoolwrap";
        argv[0] = name;
        argv[5] = options.data();
        std::strcpy(info.optionPrefix, "QV");
        info.pageCount = info.lastPage = pageCount;
        info.pageStep = 1;
        info.rotation = 0;
        info.rasterFlag = 0;
        return CheckIfNeedEdit(argv, info, ran);
    }
};

TEST_F(NeedEdit, DecisionRule)
{
    EXPECT_EQ(Check("", 3), -1);
    EXPECT_EQ(Check(kCupsdOptions, 3), 0);
    EXPECT_EQ(Check("orientation-requested=6 QVTurnPage=true", 3), 1);
    EXPECT_EQ(info.rotation, 360); // upright again, but the pass still runs
    EXPECT_EQ(
        Check("orientation-requested=6 QVInputSlot=BypassTray QVMSILeadingEdge=LongEdgeR QVTurnPage=true", 3),
        1);
    EXPECT_EQ(info.rotation, 540);
    EXPECT_EQ(Check("QVPDFRasterizedMode=true orientation-requested=5", 3), 1);
    EXPECT_EQ(info.rotation, 180);
    EXPECT_EQ(info.rasterFlag, 1);
    // Copies alone decide when nothing else asks for the pass.
    EXPECT_EQ(Check("com.apple.print.PrintSettings.PMCopies..n.=2 Collate=false", 6, true), 1);
    EXPECT_EQ(info.pageStep, 2);
    EXPECT_EQ(Check("com.apple.print.PrintSettings.PMCopies..n.=2 Collate=false", 6, false), 0);
}

TEST_F(NeedEdit, NoPpdMeansNoPass)
{
    ScopedEnv missing("PPD", "/nonexistent/printer.ppd");
    EXPECT_EQ(Check("QVTurnPage=true", 3), -1);
    EXPECT_EQ(info.rotation, 0);
    argv[5] = options.data();
    EXPECT_FALSE(PagePassMayBeNeeded(argv));
}

TEST_F(NeedEdit, MayBeNeededFollowsTheChecks)
{
    for (const char* opts : {"QVTurnPage=true", "QVPDFRasterizedMode=true", "orientation-requested=6",
                             "com.apple.print.PrintSettings.PMCopies..n.=2",
                             "QVInputSlot=BypassTray QVMSILeadingEdge=ShortEdgeR"}) {
        options = opts;
        argv[5] = options.data();
        EXPECT_TRUE(PagePassMayBeNeeded(argv)) << opts;
    }
    for (const char* opts : {"", "Collate=true com.apple.print.PrintSettings.PMCopies..n.=1",
                             "orientation-requested=4", "QVTurnPage=false"}) {
        options = opts;
        argv[5] = options.data();
        EXPECT_FALSE(PagePassMayBeNeeded(argv)) << opts;
    }
}

} // namespace
