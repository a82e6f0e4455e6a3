// spoolwrap against PDFs made to hurt the page pass: a page tree whose /Count
// lies, a page tree that loops, pages too large to rasterise in memory and a
// media box too large for any bitmap. Every job either sends every page the
// tree holds, processed, or sends the unprocessed file; none leaves a
// temporary file behind.
#include "PdfTestSupport.h"
#include "SpoolwrapRun.h"
#include "tests/support/PdfObjects.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include <gtest/gtest.h>

namespace {

using testing_support::PdfFromObjects;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
constexpr bool kAddressSanitizer = __has_feature(address_sanitizer);
#else
constexpr bool kAddressSanitizer = false;
#endif

std::string Stream(const std::string& data)
{
    return "<< /Length " + std::to_string(data.size()) + " >>\nstream\n" + data + "\nendstream";
}

// The content streams of WriteMarkedPdf's pages, which carry the marks that
// tell each page and its turn.
std::vector<std::string> MarkedContents(const std::string& scratch, int count)
{
    WriteMarkedPdf(scratch, count);
    QPDF pdf;
    pdf.processFile(scratch.c_str());
    std::vector<std::string> contents;
    for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(pdf).getAllPages()) {
        const std::shared_ptr<Buffer> data = page.getObjectHandle().getKey("/Contents").getStreamData();
        contents.emplace_back(reinterpret_cast<const char*>(data->getBuffer()), data->getSize());
    }
    return contents;
}

// Object 2 is the page tree's root with the given body; pages (objects 3...)
// hang from it, each with its content stream after all the pages.
std::string PdfWithPages(const std::string& pagesRoot, const std::vector<std::string>& contents,
                         const std::string& mediaBox = "[0 0 595 842]",
                         const std::vector<std::string>& moreObjects = {})
{
    std::vector<std::string> objects = {"<< /Type /Catalog /Pages 2 0 R >>", pagesRoot};
    const size_t firstContent = 3 + contents.size();
    for (size_t i = 0; i < contents.size(); ++i)
        objects.push_back("<< /Type /Page /Parent 2 0 R /MediaBox " + mediaBox + " /Contents " +
                          std::to_string(firstContent + i) + " 0 R /Resources << >> >>");
    for (const std::string& content : contents) objects.push_back(Stream(content));
    objects.insert(objects.end(), moreObjects.begin(), moreObjects.end());
    return PdfFromObjects(objects);
}

// Image XObjects of a PDF's pages: width and height.
std::vector<std::pair<long long, long long>> PageImageSizes(const std::string& path)
{
    QPDF pdf;
    pdf.processFile(path.c_str());
    std::vector<std::pair<long long, long long>> sizes;
    for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(pdf).getAllPages())
        for (auto& [name, image] : page.getImages())
            sizes.emplace_back(image.getDict().getKey("/Width").getIntValue(),
                               image.getDict().getKey("/Height").getIntValue());
    return sizes;
}

class HostilePdf : public ::testing::Test {
protected:
    TempDir tmp, work;
    std::string input = work.file("in.pdf");
    SpoolwrapResult last;

    // Runs a job over pdf; checks that it ended well and left TMPDIR empty,
    // and returns the path of the PDF it sent.
    std::string Run(const std::string& pdf, const std::string& options)
    {
        WriteFile(input, pdf);
        SpoolwrapJob job;
        job.args = {"9", "eve", "hostile", "1", options, input};
        job.env = {{"PPD", ProjectPath("ppd/quorvel-kz63-color-mfp.ppd")},
                   {"TMPDIR", tmp.path()},
                   {"SPOOLWRAP_JOBCOPY_MARKER", tmp.file("none")}};
        last = RunSpoolwrap(job);
        EXPECT_EQ(last.status, 0) << options << "\n" << last.err;
        EXPECT_TRUE(tmp.entries().empty()) << options << ": temporary files left behind";
        WriteFile(work.file("out.pdf"), JobPdf(last.out));
        return work.file("out.pdf");
    }
};

TEST_F(HostilePdf, PageCountThatLiesLosesNoPage)
{
    const std::vector<std::string> contents = MarkedContents(work.file("marked.pdf"), 3);
    const std::string kids = "/Kids [3 0 R 4 0 R 5 0 R]";
    for (const char* count : {"1", "0", "9"}) {
        const std::string pdf =
            PdfWithPages("<< /Type /Pages " + kids + " /Count " + count + " >>", contents);
        for (const char* options :
             {"orientation-requested=6", "orientation-requested=6 QVPDFRasterizedMode=true"}) {
            const std::string sent = Run(pdf, options);
            const std::string which = std::string("/Count ") + count + ", " + options;
            // The new PDF says how many pages it holds: readers that trust
            // /Count see them all too.
            EXPECT_EQ(RunProcess({"qpdf", {"--show-npages", sent}}).out, "3\n") << which;
            ASSERT_EQ(PdfPageCount(sent), 3) << which;
            for (int i = 0; i < 3; ++i) {
                const RenderedPage page = RenderPage(sent, i);
                EXPECT_EQ(FindCornerMark(page), Corner::BottomRight) << which << ", page " << i + 1;
                EXPECT_EQ(FindPageIdentity(page), i + 1) << which;
            }
            const bool raster = std::string(options).find("Rasterized") != std::string::npos;
            EXPECT_EQ(PageImageSizes(sent).size(), raster ? 3u : 0u) << which;
        }
    }
}

TEST_F(HostilePdf, PageTreeLoopSendsTheUnprocessedFile)
{
    // The root's second kid is a node whose only kid is the root again.
    const std::string pdf =
        PdfWithPages("<< /Type /Pages /Kids [3 0 R 5 0 R] /Count 2 >>", {"0 g 10 10 50 50 re f"},
                     "[0 0 595 842]", {"<< /Type /Pages /Parent 2 0 R /Kids [2 0 R] /Count 1 >>"});
    for (const char* options : {"orientation-requested=6", "QVPDFRasterizedMode=true"}) {
        EXPECT_EQ(ReadFile(Run(pdf, options)), pdf) << options;
        EXPECT_NE(last.err.find("ERROR: CGPDFDocumentCreateWithURL error\n"), std::string::npos) << last.err;
        EXPECT_NE(last.err.find("ERROR: The PDF's page tree cannot be read: "), std::string::npos)
            << last.err;
        EXPECT_NE(last.err.find("Loop detected"), std::string::npos) << last.err;
    }
}

TEST_F(HostilePdf, DamagedTrailerIsNotCopiedIntoTheNewPdf)
{
    // A trailer without /Size (and with a key of no meaning) is rebuilt by
    // the reader; the new PDF must need no repair.
    std::string pdf = PdfWithPages("<< /Type /Pages /Kids [3 0 R] /Count 1 >>", {"0 g 10 10 50 50 re f"});
    pdf.replace(pdf.find("/Size 5"), 7, "/Svze 5");
    const std::string sent = Run(pdf, "orientation-requested=6");
    const SpoolwrapResult check = RunProcess({"qpdf", {"--check", sent}});
    EXPECT_EQ(check.status, 0) << check.out << check.err;
    EXPECT_EQ(PdfPageCount(sent), 1);
}

TEST_F(HostilePdf, LargePagesAreRasterisedInBoundedMemory)
{
    // Two 5000 pt pages are bitmaps of 1.3 GB each at 300 dpi.
    const std::string pdf =
        PdfWithPages("<< /Type /Pages /Kids [3 0 R 4 0 R] /Count 2 >>",
                     {"0 g 100 4300 600 600 re f", "0 g 4300 100 600 600 re f"}, "[0 0 5000 5000]");
    const std::string sent = Run(pdf, "QVPDFRasterizedMode=true");
    constexpr long kPeakBoundKiB = 300 * 1024;
    // AddressSanitizer holds freed memory back for a while (256 MB of it),
    // which the peak then counts: there the bound says nothing of the pass.
    if (!kAddressSanitizer) {
        EXPECT_LT(last.peakKiB, kPeakBoundKiB);
    }
    EXPECT_EQ(PageImageSizes(sent), (std::vector<std::pair<long long, long long>>(2, {20833, 20833})));
    EXPECT_EQ(PdfMediaBox(sent, 1), (std::vector<double>{0, 0, 5000, 5000}));
}

TEST_F(HostilePdf, PagesTooLargeToRasteriseSendTheUnprocessedFile)
{
    struct Case {
        const char* page; // the second page's media box and resources
        const char* message;
    };
    const Case cases[] = {
        {"/MediaBox [0 0 17008 1000]", "Page 2 is not rasterised: it is 17008 x 1000 points (6000 x 353 mm), "
                                       "larger than the 5000 mm a side the raster pass takes\n"},
        // No bitmap side of this box fits an int.
        {"/MediaBox [0 0 520000000 520000000]",
         "Page 2 is not rasterised: it is 520000000 x 520000000 points (183444444 x 183444444 mm), larger "
         "than the 5000 mm a side the raster pass takes\n"},
        // The renderer would read all 1e10 pixels the image declares.
        {"/MediaBox [0 0 100 100] /Resources << /XObject << /Im0 6 0 R >> >>",
         "Page 2 is not rasterised: it draws an image of 100000 x 100000 pixels, more than the 1073741824 "
         "pixels the raster pass takes\n"},
    };
    for (const Case& c : cases) {
        // Page 1 is an ordinary A4 page.
        const std::string pdf = PdfFromObjects(
            {"<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R 4 0 R] /Count 2 >>",
             "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] /Contents 5 0 R >>",
             std::string("<< /Type /Page /Parent 2 0 R /Contents 5 0 R ") + c.page + " >>",
             Stream("0 g 10 10 50 50 re f /Im0 Do"),
             "<< /Type /XObject /Subtype /Image /Width 100000 /Height 100000 /ColorSpace /DeviceRGB "
             "/BitsPerComponent 8 /Length 3 >>\nstream\nabc\nendstream"});
        EXPECT_EQ(ReadFile(Run(pdf, "QVPDFRasterizedMode=true")), pdf) << c.page;
        EXPECT_NE(last.err.find(c.message), std::string::npos) << last.err;
        // Vector pages of any size are turned as they are.
        const std::string turned = Run(pdf, "orientation-requested=6");
        EXPECT_EQ(PdfPageCount(turned), 2) << c.page;
        EXPECT_EQ(last.err, "") << c.page;
    }
}

} // namespace
