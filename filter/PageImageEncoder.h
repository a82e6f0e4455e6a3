// The compressed form of a rasterised page's image: rows of 8-bit RGB under
// PNG predictors, in one zlib stream for /FlateDecode.
//
// Pages are text and drawings on white, photographs, or both. Flat areas
// compress best as they are, with a compressor that looks for repeats; on a
// photograph repeats are rare, and what pays is predicting each pixel from its
// left and upper neighbours (the PNG average predictor) and coding the small
// differences with Huffman codes and runs only, which is also several times
// faster. The choice is made per band of rows, so a page of both gets each.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

class PageImageEncoder {
public:
    // Takes the compressed bytes as they come.
    using Sink = std::function<void(const unsigned char* data, size_t size)>;

    // An image of width pixels a row; stops passing bytes on once more than
    // limit bytes came out (see WithinLimit).
    PageImageEncoder(int width, size_t limit, Sink sink);
    ~PageImageEncoder();
    PageImageEncoder(const PageImageEncoder&) = delete;
    PageImageEncoder& operator=(const PageImageEncoder&) = delete;

    // The next row, top to bottom: width * 3 bytes of RGB.
    void WriteRow(const unsigned char* rgb);
    // Ends the stream. No row may follow.
    void Finish();
    // False once the compressed image went over the limit; what is past the
    // limit is not passed on.
    bool WithinLimit() const;
    size_t Written() const;

    // True when the image, rows of rowBytes bytes of RGB each stride bytes
    // apart, looks like flat colour throughout (text and drawings on white):
    // sampled rows in every band of 64 are at least half predicted exactly by
    // the average predictor.
    static bool LooksFlat(const unsigned char* rgb, size_t rowBytes, size_t stride, size_t rows);

    // Rows gathered before the predictor and compression of a band are chosen.
    static constexpr int kBandRows = 16;

private:
    class Deflate;
    void EncodeBand();

    size_t rowBytes_;
    std::vector<unsigned char> band_;     // raw rows of the band, and the row above it
    std::vector<unsigned char> filtered_; // the band as the stream holds it
    int rows_ = 0;
    std::unique_ptr<Deflate> deflate_;
};
