// The raster pass on photograph pages: what the printer decodes is the page
// as the renderer drew it, pixel for pixel, turned or not; and pages rendered
// ahead on the second thread are the pages rendered in turn.
#include "PdfTestSupport.h"
#include "SpoolwrapRun.h"

#include "filter/PagePass.h"
#include "filter/PdfPreprocess.h"
#include "filter/RasterRenderQueue.h"

#include "tests/support/PhotoPdf.h"

#include <poppler/cpp/poppler-page-renderer.h>
#include <poppler/cpp/poppler-page.h>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

namespace {

// Pages of 144 x 72 points: 600 x 300 pixels at 300 dpi.
testing_support::PhotoPages SmallPhotos(int pages)
{
    testing_support::PhotoPages layout;
    layout.pages = pages;
    layout.widthPoints = 144;
    layout.heightPoints = 72;
    layout.widthPixels = 600;
    layout.heightPixels = 300;
    return layout;
}

// The page at 300 dpi, drawn as the raster pass draws it, rows top to bottom.
std::string Rendered(const std::string& pdf, int index, bool halfTurn)
{
    std::unique_ptr<poppler::document> doc(poppler::document::load_from_file(pdf));
    std::unique_ptr<poppler::page> page(doc->create_page(index));
    poppler::page_renderer renderer;
    renderer.set_render_hint(poppler::page_renderer::antialiasing, true);
    renderer.set_render_hint(poppler::page_renderer::text_antialiasing, true);
    renderer.set_image_format(poppler::image::format_rgb24);
    renderer.set_paper_color(0xffffffff);
    const poppler::image image = renderer.render_page(page.get(), 300, 300, 0, 0, 600, 300);
    std::string rgb;
    for (int y = 0; y < image.height(); ++y)
        rgb.append(image.const_data() + static_cast<size_t>(y) * static_cast<size_t>(image.bytes_per_row()),
                   static_cast<size_t>(image.width()) * 3);
    if (halfTurn) {
        // Rows and pixels reversed.
        std::string turned(rgb.size(), '\0');
        for (size_t i = 0; i < rgb.size(); i += 3) rgb.copy(turned.data() + turned.size() - 3 - i, 3, i);
        return turned;
    }
    return rgb;
}

struct OutputImage {
    std::string pixels, decodeParms;
};
std::vector<OutputImage> OutputImages(const std::string& path)
{
    QPDF pdf;
    pdf.processFile(path.c_str());
    std::vector<OutputImage> images;
    for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(pdf).getAllPages())
        for (auto& [name, image] : page.getImages()) {
            const std::shared_ptr<Buffer> data = image.getStreamData(qpdf_dl_generalized);
            images.push_back({{reinterpret_cast<const char*>(data->getBuffer()), data->getSize()},
                              image.getDict().getKey("/DecodeParms").unparse()});
        }
    return images;
}

class RasterPhoto : public ::testing::Test {
protected:
    TempDir tmp;
    ScopedEnv tmpdir{"TMPDIR", tmp.path()};
};

TEST_F(RasterPhoto, PagesDecodeToTheRenderedPixels)
{
    testing_support::WritePhotoPdf(tmp.file("in.pdf"), SmallPhotos(3));
    // Whole pages, and pages in bands of 7 rows (the last band short).
    RasterLimits banded;
    banded.wholePageBytes = 600 * 3 * 10;
    banded.bandBytes = 600 * 3 * 7;
    for (const RasterLimits& limits : {RasterLimits{}, banded})
        for (const int rotation : {0, 180}) {
            PDFDocInfo info;
            ASSERT_EQ(pdfDocInfo_init(tmp.file("in.pdf").c_str(), info), 0);
            info.rasterFlag = 1;
            info.rotation = rotation;
            std::FILE* out = std::fopen(tmp.file("out.pdf").c_str(), "wb");
            info.outputContext = out;
            ASSERT_EQ(processImage(info, limits), 0);
            std::fclose(out);
            const std::vector<OutputImage> images = OutputImages(tmp.file("out.pdf"));
            ASSERT_EQ(images.size(), 3u);
            for (int i = 0; i < 3; ++i) {
                EXPECT_EQ(images[i].decodeParms,
                          "<< /BitsPerComponent 8 /Colors 3 /Columns 600 /Predictor 15 >>");
                EXPECT_TRUE(images[i].pixels == Rendered(tmp.file("in.pdf"), i, rotation == 180))
                    << "page " << i + 1 << ", rotation " << rotation << ", band rows "
                    << limits.bandBytes / 1800;
            }
        }
}

TEST_F(RasterPhoto, PagesAskedOutOfTurnAreThePagesAskedFor)
{
    testing_support::WritePhotoPdf(tmp.file("in.pdf"), SmallPhotos(3));
    const auto document =
        std::shared_ptr<poppler::document>(poppler::document::load_from_file(tmp.file("in.pdf")));
    ASSERT_TRUE(document);
    std::vector<RasterJob> jobs;
    for (int i = 0; i < 3; ++i) jobs.push_back(RasterJob{i, BitmapSize{600, 300}, 0, false, 300});
    const auto pixels = [](const RenderedBand& band) {
        return std::string(band.image.const_data(),
                           static_cast<size_t>(band.image.bytes_per_row()) * static_cast<size_t>(band.rows));
    };
    std::vector<std::string> inTurn;
    {
        RasterRenderQueue queue(document, jobs);
        for (size_t job = 0; job < jobs.size(); ++job) inTurn.push_back(pixels(queue.Next(job)));
    }
    EXPECT_NE(inTurn[0], inTurn[1]);
    RasterRenderQueue queue(document, jobs);
    EXPECT_EQ(pixels(queue.Next(0)), inTurn[0]);
    EXPECT_EQ(pixels(queue.Next(2)), inTurn[2]);
    EXPECT_EQ(pixels(queue.Next(1)), inTurn[1]);
    EXPECT_EQ(pixels(queue.Next(0)), inTurn[0]);
}

} // namespace
