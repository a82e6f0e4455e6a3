// The raster pass's image encoder: every image comes back bit for bit through
// a PDF reader's decoder (qpdf's Flate and PNG predictors), flat bands and
// photograph bands each get their predictor.
#include "filter/PageImageEncoder.h"

#include "tests/support/PhotoPdf.h"

#include <qpdf/QPDF.hh>

#include <gtest/gtest.h>

#include <zlib.h>

#include <string>
#include <vector>

namespace {

enum class Content { White, Photo, PhotoBetweenWhite };

// An image of width x height RGB pixels.
std::string Image(Content content, int width, int height)
{
    if (content == Content::White) return std::string(static_cast<size_t>(width) * height * 3, '\xff');
    testing_support::PhotoPages layout;
    layout.widthPixels = width;
    layout.heightPixels = height;
    std::string pixels = testing_support::PhotoPixels(layout, 0);
    if (content == Content::PhotoBetweenWhite) {
        // White above and below a band of photograph in the middle third.
        const size_t rowBytes = static_cast<size_t>(width) * 3;
        for (int y = 0; y < height; ++y)
            if (y < height / 3 || y >= 2 * height / 3)
                std::fill_n(pixels.begin() + static_cast<long>(rowBytes * y), rowBytes, '\xff');
    }
    return pixels;
}

struct Encoded {
    std::string bytes;
    bool withinLimit = false;
    size_t written = 0;
};

// (The limit is checked where it matters, by the raster pass's banded pages.)
Encoded Encode(const std::string& pixels, int width)
{
    Encoded out;
    PageImageEncoder encoder(width, SIZE_MAX, [&](const unsigned char* data, size_t size) {
        out.bytes.append(reinterpret_cast<const char*>(data), size);
    });
    const size_t rowBytes = static_cast<size_t>(width) * 3;
    for (size_t at = 0; at < pixels.size(); at += rowBytes)
        encoder.WriteRow(reinterpret_cast<const unsigned char*>(pixels.data()) + at);
    encoder.Finish();
    out.withinLimit = encoder.WithinLimit();
    out.written = encoder.Written();
    return out;
}

// What a PDF reader gets from the stream: Flate, then the PNG predictors.
std::string Decode(const std::string& stream, int width)
{
    QPDF pdf;
    pdf.emptyPDF();
    QPDFObjectHandle image = QPDFObjectHandle::newStream(&pdf);
    image.replaceStreamData(
        stream, QPDFObjectHandle::newName("/FlateDecode"),
        QPDFObjectHandle::parse("<< /Predictor 15 /Colors 3 /BitsPerComponent 8 /Columns " +
                                std::to_string(width) + " >>"));
    const std::shared_ptr<Buffer> data = image.getStreamData(qpdf_dl_generalized);
    return {reinterpret_cast<const char*>(data->getBuffer()), data->getSize()};
}

// The predictor tag at the start of every row, from the inflated stream.
std::vector<int> RowTags(const std::string& stream, int width, int height)
{
    const size_t stride = static_cast<size_t>(width) * 3 + 1;
    std::string inflated(stride * static_cast<size_t>(height), '\0');
    uLongf size = inflated.size();
    EXPECT_EQ(uncompress(reinterpret_cast<Bytef*>(inflated.data()), &size,
                         reinterpret_cast<const Bytef*>(stream.data()), stream.size()),
              Z_OK);
    EXPECT_EQ(size, inflated.size());
    std::vector<int> tags;
    for (size_t at = 0; at < inflated.size(); at += stride) tags.push_back(inflated[at]);
    return tags;
}

TEST(PageImageEncoder, EveryImageDecodesToItsPixels)
{
    struct Case {
        Content content;
        int width, height;
    };
    // Widths of one pixel (no left neighbour in the row at all) and heights
    // that are no whole number of bands, or less than one.
    for (const Case c : {Case{Content::White, 1, 1}, Case{Content::Photo, 1, 40}, Case{Content::Photo, 7, 1},
                         Case{Content::Photo, 97, PageImageEncoder::kBandRows + 1},
                         Case{Content::PhotoBetweenWhite, 200, 150}, Case{Content::White, 300, 33}}) {
        const std::string pixels = Image(c.content, c.width, c.height);
        const Encoded encoded = Encode(pixels, c.width);
        EXPECT_TRUE(encoded.withinLimit);
        EXPECT_EQ(encoded.written, encoded.bytes.size());
        EXPECT_TRUE(Decode(encoded.bytes, c.width) == pixels) << c.width << " x " << c.height;
    }
}

TEST(PageImageEncoder, PhotographBandsArePredictedAndFlatBandsAreNot)
{
    const int width = 200, height = 150;
    const Encoded encoded = Encode(Image(Content::PhotoBetweenWhite, width, height), width);
    const std::vector<int> tags = RowTags(encoded.bytes, width, height);
    ASSERT_EQ(tags.size(), size_t{height});
    // Bands of 16 rows: a band is chosen as a whole, so the bands wholly
    // inside the white thirds carry no predictor and those wholly in the
    // photograph the average predictor.
    EXPECT_EQ(tags.front(), 0);
    EXPECT_EQ(tags.back(), 0);
    EXPECT_EQ(tags.at(64), 3);
    EXPECT_EQ(tags.at(95), 3);
}

TEST(PageImageEncoder, PhotographsCompressBelowPlainDeflate)
{
    const int width = 600, height = 200;
    const std::string pixels = Image(Content::Photo, width, height);
    std::string plain(compressBound(pixels.size()), '\0');
    uLongf plainSize = plain.size();
    ASSERT_EQ(compress2(reinterpret_cast<Bytef*>(plain.data()), &plainSize,
                        reinterpret_cast<const Bytef*>(pixels.data()), pixels.size(), Z_DEFAULT_COMPRESSION),
              Z_OK);
    const Encoded encoded = Encode(pixels, width);
    EXPECT_LT(encoded.bytes.size(), plainSize * 3 / 4) << plainSize;
}

TEST(PageImageEncoder, FlatLooksAtEveryBandOfTheImage)
{
    const int width = 120, height = 400;
    const size_t rowBytes = width * 3;
    const auto looksFlat = [&](const std::string& pixels) {
        return PageImageEncoder::LooksFlat(reinterpret_cast<const unsigned char*>(pixels.data()), rowBytes,
                                           rowBytes, height);
    };
    EXPECT_TRUE(looksFlat(Image(Content::White, width, height)));
    EXPECT_FALSE(looksFlat(Image(Content::Photo, width, height)));
    EXPECT_FALSE(looksFlat(Image(Content::PhotoBetweenWhite, width, height)));
    // Text: dark strokes on white are flat colour too.
    std::string text = Image(Content::White, width, height);
    for (int y = 0; y < height; y += 12)
        for (size_t x = 30; x < rowBytes; x += 45) text.replace(rowBytes * y + x, 9, 9, '\0');
    EXPECT_TRUE(looksFlat(text));
}

} // namespace
