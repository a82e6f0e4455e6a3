// The raster pass on pages too large to hold whole: rendered in bands and
// compressed as a stream, they must give the image a whole rendering gives,
// turned the same way; and a bitmap size that no int can hold is refused.
#include "PdfTestSupport.h"
#include "SpoolwrapRun.h"

#include "filter/PagePass.h"
#include "filter/PdfPreprocess.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include <gtest/gtest.h>

#include <cstdio>
#include <limits>

namespace {

// The decoded pixels of each page's image.
std::vector<std::string> PageImagePixels(const std::string& path)
{
    QPDF pdf;
    pdf.processFile(path.c_str());
    std::vector<std::string> pixels;
    for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(pdf).getAllPages())
        for (auto& [name, image] : page.getImages()) {
            const std::shared_ptr<Buffer> data = image.getStreamData(qpdf_dl_generalized);
            pixels.emplace_back(reinterpret_cast<const char*>(data->getBuffer()), data->getSize());
        }
    return pixels;
}

class RasterBands : public ::testing::Test {
protected:
    TempDir tmp;
    ScopedEnv tmpdir{"TMPDIR", tmp.path()};

    // Rasterises the PDF at in with the given limits into out; the pass's result.
    int Rasterise(const std::string& in, const std::string& out, int rotation, const RasterLimits& limits,
                  std::string* failure = nullptr)
    {
        PDFDocInfo info;
        if (pdfDocInfo_init(in.c_str(), info) != 0) return -2;
        info.rasterFlag = 1;
        info.rotation = rotation;
        std::FILE* file = std::fopen(out.c_str(), "wb");
        info.outputContext = file;
        const int result = processImage(info, limits);
        std::fclose(file);
        if (failure != nullptr) *failure = info.passFailure;
        return result;
    }
};

TEST_F(RasterBands, BandedPagesEqualWholePages)
{
    // An A4 page's bitmap is 26 MB: with a whole-page bound of 1 MiB it goes
    // in bands of 1 MiB (141 rows), the last one short.
    RasterLimits banded;
    banded.wholePageBytes = banded.bandBytes = 1 << 20;
    WriteMarkedPdf(tmp.file("in.pdf"), {TestPageSpec{}, TestPageSpec{0, 0, 595, 842, 90}});
    for (const int rotation : {0, 180}) {
        ASSERT_EQ(Rasterise(tmp.file("in.pdf"), tmp.file("whole.pdf"), rotation, RasterLimits{}), 0);
        ASSERT_EQ(Rasterise(tmp.file("in.pdf"), tmp.file("banded.pdf"), rotation, banded), 0);
        const std::vector<std::string> whole = PageImagePixels(tmp.file("whole.pdf"));
        ASSERT_EQ(whole.size(), 2u);
        EXPECT_EQ(whole.at(0).size(), 2479u * 3508 * 3);
        // Compressed differently, the same pixels.
        EXPECT_NE(ReadFile(tmp.file("whole.pdf")), ReadFile(tmp.file("banded.pdf")));
        EXPECT_TRUE(PageImagePixels(tmp.file("banded.pdf")) == whole) << "rotation " << rotation;
        EXPECT_EQ(FindCornerMark(RenderPage(tmp.file("banded.pdf"), 0)),
                  rotation == 0 ? Corner::TopLeft : Corner::BottomRight);
    }
}

TEST_F(RasterBands, BandedImageOverItsBoundFailsThePass)
{
    RasterLimits limits;
    limits.wholePageBytes = limits.bandBytes = 1 << 20;
    limits.maxBandedImageBytes = 1000; // a page of white is some 30 KB compressed
    WriteMarkedPdf(tmp.file("in.pdf"), 1);
    std::string failure;
    EXPECT_EQ(Rasterise(tmp.file("in.pdf"), tmp.file("out.pdf"), 0, limits, &failure), -1);
    EXPECT_EQ(
        failure.rfind("Page 1 is not rasterised: its image is over 0 MB compressed (2479 x 3508 pixels)", 0),
        0u)
        << failure;
}

TEST(RasterBitmap, SizesOutsideAnIntAreRefusedBeforeTheCast)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    // 5.1e8 points are 2 125 000 000 pixels, still an int.
    EXPECT_EQ(RasterBitmapSize(PageRect{0, 0, 5.1e8, 842}).width, 2125000000);
    for (const PageRect box :
         {PageRect{0, 0, 5.2e8, 5.2e8}, PageRect{0, 0, 595, 5.2e8}, PageRect{0, 0, inf, 842},
          PageRect{0, 0, nan, 842}, PageRect{-inf, 0, inf, 842}}) {
        const BitmapSize size = RasterBitmapSize(box);
        EXPECT_EQ(size.width, 0) << box.x1 << " x " << box.y1;
        EXPECT_EQ(size.height, 0) << box.x1 << " x " << box.y1;
    }
}

} // namespace
