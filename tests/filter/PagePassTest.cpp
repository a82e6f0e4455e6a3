// The page pass: which pages are kept, how they are turned, and the 300 dpi
// raster pages, checked by rendering the output and finding the marks.
#include "PdfTestSupport.h"
#include "SpoolwrapRun.h"

#include "filter/PagePass.h"
#include "filter/PdfPreprocess.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

// Runs the pass on a marked PDF and returns the output's path ("" on failure).
class PagePass : public ::testing::Test {
protected:
    TempDir tmp;
    ScopedEnv tmpdir{"TMPDIR", tmp.path()};
    PDFDocInfo info;
    char out[128] = {};

    void Open(const std::vector<TestPageSpec>& pages)
    {
        WriteMarkedPdf(tmp.file("in.pdf"), pages);
        ASSERT_EQ(pdfDocInfo_init(tmp.file("in.pdf").c_str(), info), 0);
    }
    void Open(int pageCount) { Open(std::vector<TestPageSpec>(static_cast<size_t>(pageCount))); }

    std::string Run()
    {
        if (PreProcess(info, out) != 1) return {};
        return out;
    }

    // Identities of every output page, with the corner each was found in.
    std::vector<int> Identities(const std::string& pdf, Corner expected)
    {
        std::vector<int> ids;
        for (int i = 0; i < PdfPageCount(pdf); ++i) {
            const RenderedPage page = RenderPage(pdf, i);
            EXPECT_EQ(FindCornerMark(page), expected) << "page " << i + 1;
            ids.push_back(FindPageIdentity(page));
        }
        return ids;
    }
};

TEST_F(PagePass, CollatedCopiesKeepTheFirstCopy)
{
    Open(6);
    info.lastPage = 3;
    info.pageStep = 1;
    const std::string pdf = Run();
    ASSERT_FALSE(pdf.empty());
    EXPECT_EQ(Identities(pdf, Corner::TopLeft), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(PdfMediaBox(pdf, 0), (std::vector<double>{0, 0, 595, 842}));
}

TEST_F(PagePass, UncollatedCopiesKeepEveryCopiesThPage)
{
    Open(6);
    info.pageStep = 2;
    const std::string pdf = Run();
    ASSERT_FALSE(pdf.empty());
    EXPECT_EQ(Identities(pdf, Corner::TopLeft), (std::vector<int>{1, 3, 5}));
}

TEST_F(PagePass, HalfTurnMovesTheCornerMarkAndKeepsTheMediaBox)
{
    Open(2);
    info.rotation = 180;
    const std::string pdf = Run();
    ASSERT_FALSE(pdf.empty());
    EXPECT_EQ(Identities(pdf, Corner::BottomRight), (std::vector<int>{1, 2}));
    EXPECT_EQ(PdfMediaBox(pdf, 1), (std::vector<double>{0, 0, 595, 842}));
}

TEST_F(PagePass, TwoTurnsLeaveThePageUprightAndStillWriteANewFile)
{
    Open(2);
    info.rotation = 360;
    const std::string pdf = Run();
    ASSERT_FALSE(pdf.empty());
    EXPECT_NE(pdf, tmp.file("in.pdf"));
    EXPECT_EQ(Identities(pdf, Corner::TopLeft), (std::vector<int>{1, 2}));
}

TEST_F(PagePass, MediaBoxAwayFromTheOriginTurnsInPlace)
{
    // Turning about the origin would throw the page off its own media box.
    Open({TestPageSpec{100, 200, 595, 842, 0}});
    info.rotation = 180;
    const std::string pdf = Run();
    ASSERT_FALSE(pdf.empty());
    EXPECT_EQ(PdfMediaBox(pdf, 0), (std::vector<double>{100, 200, 695, 1042}));
    EXPECT_EQ(FindCornerMark(RenderPage(pdf, 0)), Corner::BottomRight);
}

TEST_F(PagePass, PageRotationIsKept)
{
    // A page shown in landscape through /Rotate stays in landscape, turned.
    Open({TestPageSpec{0, 0, 595, 842, 90}});
    const RenderedPage before = RenderPage(tmp.file("in.pdf"), 0);
    info.rotation = 180;
    const std::string pdf = Run();
    ASSERT_FALSE(pdf.empty());
    const RenderedPage after = RenderPage(pdf, 0);
    EXPECT_EQ(after.width, before.width);
    EXPECT_GT(after.width, after.height);
    EXPECT_EQ(FindCornerMark(before), Corner::TopRight);
    EXPECT_EQ(FindCornerMark(after), Corner::BottomLeft);
}

TEST_F(PagePass, SharedContentStreamIsDrawnOnEveryPage)
{
    // The same content on every page, as layout programs write repeated pages.
    WriteMarkedPdf(tmp.file("one.pdf"), 1);
    const std::string one = tmp.file("one.pdf");
    ASSERT_EQ(RunProcess({"qpdf", {"--empty", "--pages", one, one, one, "--", tmp.file("in.pdf")}}).status,
              0);
    ASSERT_EQ(pdfDocInfo_init(tmp.file("in.pdf").c_str(), info), 0);
    info.rotation = 180;
    const std::string pdf = Run();
    ASSERT_FALSE(pdf.empty());
    EXPECT_EQ(Identities(pdf, Corner::BottomRight), (std::vector<int>{1, 1, 1}));
}

TEST_F(PagePass, LastPageBelowOneGivesAnEmptyDocument)
{
    Open(3);
    info.lastPage = 0;
    const std::string pdf = Run();
    ASSERT_FALSE(pdf.empty());
    EXPECT_EQ(PdfPageCount(pdf), 0);
}

TEST_F(PagePass, MissingPageFailsAndLeavesNoFile)
{
    Open(3);
    info.lastPage = 4;
    EXPECT_EQ(PreProcess(info, out), 0);
    EXPECT_STREQ(out, "");
    EXPECT_EQ(tmp.entries(), std::vector<std::string>{"in.pdf"});
}

TEST_F(PagePass, UnopenedDocumentFails)
{
    WriteFile(tmp.file("in.pdf"), "not a pdf");
    EXPECT_EQ(pdfDocInfo_init(tmp.file("in.pdf").c_str(), info), -1);
    info.rasterFlag = 0;
    EXPECT_EQ(PreProcess(info, out), 0);
    info.rasterFlag = 1;
    EXPECT_EQ(PreProcess(info, out), 0);
    EXPECT_EQ(tmp.entries(), std::vector<std::string>{"in.pdf"});
}

TEST(RasterBitmap, SizeIsTheIntegerPartAt300Dpi)
{
    EXPECT_EQ(RasterBitmapSize(PageRect{0, 0, 595, 842}).width, 2479);
    EXPECT_EQ(RasterBitmapSize(PageRect{0, 0, 595, 842}).height, 3508);
    EXPECT_EQ(RasterBitmapSize(PageRect{0, 0, 612, 792}).width, 2550); // exactly 8.5 in
    EXPECT_EQ(RasterBitmapSize(PageRect{10, 10, 10.2, 10.2}).width, 0);
}

// The image XObjects of each output page: width, height, filter.
struct PageImage {
    long long width, height;
    std::string filter, colorSpace;
};
std::vector<PageImage> PageImages(const std::string& path)
{
    QPDF pdf;
    pdf.processFile(path.c_str());
    std::vector<PageImage> images;
    for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(pdf).getAllPages())
        for (auto& [name, image] : page.getImages())
            images.push_back({image.getDict().getKey("/Width").getIntValue(),
                              image.getDict().getKey("/Height").getIntValue(),
                              image.getDict().getKey("/Filter").unparse(),
                              image.getDict().getKey("/ColorSpace").unparse()});
    return images;
}

TEST_F(PagePass, RasterPageOfA4IsA2479By3508FlateRgbImage)
{
    Open(1);
    info.rasterFlag = 1;
    const std::string pdf = Run();
    ASSERT_FALSE(pdf.empty());
    const std::vector<PageImage> images = PageImages(pdf);
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].width, 2479);
    EXPECT_EQ(images[0].height, 3508);
    EXPECT_EQ(images[0].filter, "/FlateDecode");
    EXPECT_EQ(images[0].colorSpace, "/DeviceRGB");
    EXPECT_EQ(PdfMediaBox(pdf, 0), (std::vector<double>{0, 0, 595, 842}));
    // The page is an image now: no vector marks, but the same picture.
    const RenderedPage page = RenderPage(pdf, 0);
    EXPECT_EQ(FindCornerMark(page), Corner::TopLeft);
    EXPECT_EQ(FindPageIdentity(page), 1);
    EXPECT_EQ(RunProcess({"sh", {"-c", "pdffonts " + pdf + " | tail -n +3"}}).out, "");
}

TEST_F(PagePass, RasterPagesAreWhiteUnderneathAndTurned)
{
    Open(3);
    info.rasterFlag = 1;
    info.rotation = 180;
    info.pageStep = 2;
    const std::string pdf = Run();
    ASSERT_FALSE(pdf.empty());
    EXPECT_EQ(Identities(pdf, Corner::BottomRight), (std::vector<int>{1, 3}));
    // Away from the marks the page is white, not the black of an unfilled bitmap.
    const RenderedPage page = RenderPage(pdf, 0, 36);
    const size_t centre = (static_cast<size_t>(page.height / 4) * page.width + page.width / 2) * 3;
    // (Scaling the image down for display may blur white by a step.)
    for (size_t c = 0; c < 3; ++c) EXPECT_GE(page.rgb[centre + c], 250);
}

TEST_F(PagePass, RasterPagesOfMixedSizesEachGetTheirOwnBitmap)
{
    Open({TestPageSpec{}, TestPageSpec{0, 0, 842, 595, 0}});
    info.rasterFlag = 1;
    const std::string pdf = Run();
    ASSERT_FALSE(pdf.empty());
    const std::vector<PageImage> images = PageImages(pdf);
    ASSERT_EQ(images.size(), 2u);
    EXPECT_EQ(images[1].width, 3508);
    EXPECT_EQ(images[1].height, 2479);
    EXPECT_EQ(FindCornerMark(RenderPage(pdf, 1)), Corner::TopLeft);
}

TEST_F(PagePass, RasterKeepsPageRotation)
{
    Open({TestPageSpec{0, 0, 595, 842, 90}});
    info.rasterFlag = 1;
    const std::string pdf = Run();
    ASSERT_FALSE(pdf.empty());
    EXPECT_EQ(FindCornerMark(RenderPage(pdf, 0)), Corner::TopRight);
    EXPECT_EQ(PageImages(pdf).at(0).width, 2479);
}

} // namespace
