#include "filter/PageImageEncoder.h"

// zlib takes its input through const pointers.
#define ZLIB_CONST
#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace {

// PNG predictor tags, the first byte of every row in the stream.
constexpr unsigned char kPredictNone = 0;
constexpr unsigned char kPredictAverage = 3;

// zlib's level 3 on flat bands: on rendered office pages it was as fast as its
// levels 1 and 2 and a tenth smaller, while level 4 and up search lazily and
// take twice as long.
constexpr int kFlatLevel = 3;

} // namespace

// zlib's deflate over the whole image, its strategy switched between bands.
class PageImageEncoder::Deflate {
public:
    enum class Kind { Flat, Photo };

    Deflate(size_t limit, Sink sink) : limit_(limit), sink_(std::move(sink)), chunk_(size_t{1} << 16)
    {
        if (deflateInit2(&stream_, kFlatLevel, Z_DEFLATED, 15, 8, Z_DEFAULT_STRATEGY) != Z_OK)
            throw std::runtime_error("page image compressor cannot start");
    }
    ~Deflate() { deflateEnd(&stream_); }
    Deflate(const Deflate&) = delete;
    Deflate& operator=(const Deflate&) = delete;

    void Write(const unsigned char* data, size_t size, Kind kind)
    {
        if (kind != kind_) {
            kind_ = kind;
            // Huffman codes with runs (distance 1) only for photographs; the
            // data so far is compressed as it was chosen, which may take more
            // than one chunk of output.
            const int strategy = kind == Kind::Photo ? Z_RLE : Z_DEFAULT_STRATEGY;
            for (;;) {
                stream_.next_in = nullptr;
                stream_.avail_in = 0;
                stream_.next_out = chunk_.data();
                stream_.avail_out = static_cast<uInt>(chunk_.size());
                const int status = deflateParams(&stream_, kFlatLevel, strategy);
                Emit();
                if (status == Z_OK) break;
                if (status != Z_BUF_ERROR) throw std::runtime_error("page image cannot be compressed");
            }
        }
        // zlib counts its input in uInt: pieces of at most 1 GB.
        constexpr size_t kPiece = size_t{1} << 30;
        for (size_t done = 0; done < size;) {
            const size_t piece = std::min(kPiece, size - done);
            Run(data + done, piece, Z_NO_FLUSH);
            done += piece;
        }
    }

    void Finish() { Run(nullptr, 0, Z_FINISH); }
    bool WithinLimit() const { return written_ <= limit_; }
    size_t Written() const { return written_; }

private:
    void Run(const unsigned char* data, size_t size, int flush)
    {
        stream_.next_in = data;
        stream_.avail_in = static_cast<uInt>(size);
        int status = Z_OK;
        do {
            stream_.next_out = chunk_.data();
            stream_.avail_out = static_cast<uInt>(chunk_.size());
            status = deflate(&stream_, flush);
            if (status == Z_STREAM_ERROR) throw std::runtime_error("page image cannot be compressed");
            Emit();
        } while (flush == Z_FINISH ? status != Z_STREAM_END : stream_.avail_out == 0);
    }

    // Hands on what the last call produced, up to the limit.
    void Emit()
    {
        const size_t produced = chunk_.size() - stream_.avail_out;
        written_ += produced;
        if (produced > 0 && WithinLimit()) sink_(chunk_.data(), produced);
    }

    z_stream stream_{};
    size_t limit_;
    Sink sink_;
    std::vector<unsigned char> chunk_;
    size_t written_ = 0;
    Kind kind_ = Kind::Flat;
};

PageImageEncoder::PageImageEncoder(int width, size_t limit, Sink sink)
    : rowBytes_(static_cast<size_t>(std::max(width, 1)) * 3), band_(rowBytes_ * (kBandRows + 1), 0),
      filtered_((rowBytes_ + 1) * kBandRows), deflate_(std::make_unique<Deflate>(limit, std::move(sink)))
{}

PageImageEncoder::~PageImageEncoder() = default;

void PageImageEncoder::WriteRow(const unsigned char* rgb)
{
    std::memcpy(band_.data() + rowBytes_ * static_cast<size_t>(rows_ + 1), rgb, rowBytes_);
    if (++rows_ == kBandRows) EncodeBand();
}

void PageImageEncoder::Finish()
{
    if (rows_ > 0) EncodeBand();
    deflate_->Finish();
}

bool PageImageEncoder::WithinLimit() const { return deflate_->WithinLimit(); }
size_t PageImageEncoder::Written() const { return deflate_->Written(); }

namespace {

// Bytes of a row that the average predictor, from the row above, gets exactly.
size_t ExactlyPredicted(const unsigned char* above, const unsigned char* row, size_t rowBytes)
{
    size_t exact = 0;
    for (size_t i = 0; i < std::min<size_t>(3, rowBytes); ++i) exact += row[i] == (above[i] >> 1);
    for (size_t i = 3; i < rowBytes; ++i)
        exact += row[i] == static_cast<unsigned char>((row[i - 3] + above[i]) >> 1);
    return exact;
}

} // namespace

bool PageImageEncoder::LooksFlat(const unsigned char* rgb, size_t rowBytes, size_t stride, size_t rows)
{
    constexpr size_t kBand = 64;
    constexpr size_t kSampleEvery = 8;
    for (size_t top = 0; top < rows; top += kBand) {
        size_t exact = 0;
        size_t sampled = 0;
        for (size_t y = std::max<size_t>(top, 1); y < std::min(rows, top + kBand); y += kSampleEvery) {
            exact += ExactlyPredicted(rgb + stride * (y - 1), rgb + stride * y, rowBytes);
            sampled += rowBytes;
        }
        if (exact * 2 < sampled) return false;
    }
    return true;
}

void PageImageEncoder::EncodeBand()
{
    // The average predictor on every row, counting the pixels it predicts
    // exactly: on flat colour nearly all of them. Above the image's first row
    // the predictor sees zeros (the row before the band starts so).
    const size_t n = static_cast<size_t>(rows_);
    size_t exact = 0;
    for (size_t r = 0; r < n; ++r) {
        const unsigned char* above = band_.data() + rowBytes_ * r;
        const unsigned char* row = above + rowBytes_;
        unsigned char* out = filtered_.data() + (rowBytes_ + 1) * r;
        *out++ = kPredictAverage;
        for (size_t i = 0; i < 3; ++i) out[i] = static_cast<unsigned char>(row[i] - (above[i] >> 1));
        for (size_t i = 3; i < rowBytes_; ++i)
            out[i] = static_cast<unsigned char>(row[i] - ((row[i - 3] + above[i]) >> 1));
        for (size_t i = 0; i < rowBytes_; ++i) exact += out[i] == 0;
    }
    const bool flat = exact * 2 >= n * rowBytes_;
    if (flat) {
        for (size_t r = 0; r < n; ++r) {
            unsigned char* out = filtered_.data() + (rowBytes_ + 1) * r;
            *out = kPredictNone;
            std::memcpy(out + 1, band_.data() + rowBytes_ * (r + 1), rowBytes_);
        }
    }
    deflate_->Write(filtered_.data(), (rowBytes_ + 1) * n, flat ? Deflate::Kind::Flat : Deflate::Kind::Photo);
    // The band's last row is the next band's row above.
    std::memcpy(band_.data(), band_.data() + rowBytes_ * n, rowBytes_);
    rows_ = 0;
}
