// The raster pass: the kept pages drawn by poppler at 300 dpi and written as
// images into a new PDF. Built apart from the vector pass: the filter's
// module loads it, and poppler with it, only for a job that is rasterised.
#include "filter/PagePass.h"

#include "filter/PageImageEncoder.h"
#include "filter/PagePassQpdf.h"
#include "filter/RasterRenderQueue.h"

#include <cups/cups.h>

#include <poppler/cpp/poppler-document.h>
#include <poppler/cpp/poppler-global.h>
#include <poppler/cpp/poppler-image.h>

#include <qpdf/Pipeline.hh>
#include <qpdf/QPDFMatrix.hh>

#include <libdeflate.h>

#include <malloc.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <new>
#include <stdexcept>
#include <vector>

using namespace pagepass;

namespace {

struct CompressorDeleter {
    void operator()(libdeflate_compressor* c) const { libdeflate_free_compressor(c); }
};

struct FreeDeleter {
    void operator()(unsigned char* p) const { std::free(p); }
};

// A buffer the raster pass reuses from page to page: a page's bitmap is tens
// of megabytes, and fresh memory for every page costs more in page faults and
// clearing than the compression itself. It is left uninitialised: the
// compressor writes only the start of its worst-case bound, and pages never
// touched cost no memory.
class ScratchBuffer {
public:
    // Room for size bytes; what the buffer held is not kept.
    unsigned char* Reserve(size_t size)
    {
        if (size_ < size) {
            data_.reset();
            data_.reset(static_cast<unsigned char*>(std::malloc(size)));
            if (!data_) throw std::bad_alloc();
            size_ = size;
        }
        return data_.get();
    }

private:
    std::unique_ptr<unsigned char, FreeDeleter> data_;
    size_t size_ = 0;
};

struct RasterWorkspace {
    std::unique_ptr<libdeflate_compressor, CompressorDeleter> compressor;
    ScratchBuffer compressed;
    ScratchBuffer rows;
    ScratchBuffer row;
    // Why a page was refused while the writer asked for its image: qpdf does
    // not hand the provider's exception on as it is.
    std::string refusal;
};

// Pages of flat colour (text and drawings) go to libdeflate whole. Its level 1
// spends longer on the long runs of white than levels 2 to 4, which also
// compress better; level 3 measured fastest on rendered office pages. Pages
// with photographs, and pages too large to hold whole, go through the
// PageImageEncoder.
constexpr int kRasterCompressionLevel = 3;

void IgnorePopplerMessage(const std::string&, void*) {}

// A page the raster pass will not take; its text is the message for the job's log.
class PageRefused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

template <typename... Values>
std::string Format(const char* format, Values... values)
{
    char text[256];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

double Millimetres(double points) { return points / 72.0 * 25.4; }

// One row of a page's bitmap as 8-bit RGB: row `source` of the rendered
// image, white where the renderer covered less than the bitmap, and with the
// pixels reversed for a half turn.
void CopyRow(const poppler::image& image, int source, bool reversed, int width, unsigned char* row)
{
    const size_t rowBytes = static_cast<size_t>(width) * 3;
    const bool rendered = source >= 0 && source < image.height();
    const int columns = std::min(image.width(), width);
    if (!rendered || columns < width) std::memset(row, 0xff, rowBytes);
    if (!rendered) return;
    const auto* in = reinterpret_cast<const unsigned char*>(image.const_data()) +
                     static_cast<size_t>(source) * static_cast<size_t>(image.bytes_per_row());
    if (!reversed) {
        std::memcpy(row, in, static_cast<size_t>(columns) * 3);
    } else {
        for (int x = 0; x < columns; ++x)
            std::memcpy(row + static_cast<size_t>(width - 1 - x) * 3, in + x * 3, 3);
    }
}

size_t BitmapBytes(BitmapSize size)
{
    return static_cast<size_t>(size.width) * static_cast<size_t>(size.height) * 3;
}

// The image of one rasterised page. Its stream holds rows under PNG
// predictors (one tag byte before each row), which these parameters declare.
QPDFObjectHandle RasterDecodeParms(int width)
{
    QPDFObjectHandle parms = QPDFObjectHandle::newDictionary();
    parms.replaceKey("/Predictor", QPDFObjectHandle::newInteger(15));
    parms.replaceKey("/Colors", QPDFObjectHandle::newInteger(3));
    parms.replaceKey("/BitsPerComponent", QPDFObjectHandle::newInteger(8));
    parms.replaceKey("/Columns", QPDFObjectHandle::newInteger(width));
    return parms;
}

// The image data of one rasterised page, compressed when the writer asks for
// it. The render queue has it rendered by then, or is rendering it, while the
// previous page was compressed; only the page being compressed and the one
// being rendered (or one band of each) are in memory.
class RasterPage : public QPDFObjectHandle::StreamDataProvider {
public:
    RasterPage(std::shared_ptr<RasterRenderQueue> queue, std::shared_ptr<RasterWorkspace> workspace,
               size_t job, const RasterLimits& limits)
        : queue_(std::move(queue)), workspace_(std::move(workspace)), job_(job), limits_(limits)
    {}

    void provideStreamData(QPDFObjGen const&, Pipeline* pipeline) override
    {
        StopIfCancelled();
        const RasterJob& job = queue_->Job(job_);
        if (job.bandRows >= job.size.height)
            WriteWhole(job, *pipeline);
        else
            WriteBanded(job, *pipeline);
        pipeline->finish();
    }

private:
    // The page in one piece: flat pages compressed at once by libdeflate,
    // others by the encoder.
    void WriteWhole(const RasterJob& job, Pipeline& pipeline) const
    {
        RasterWorkspace& work = *workspace_;
        const size_t rowBytes = static_cast<size_t>(job.size.width) * 3;
        const size_t stride = rowBytes + 1;
        const size_t total = stride * static_cast<size_t>(job.size.height);
        unsigned char* rows = work.rows.Reserve(total);
        {
            const RenderedBand band = queue_->Next(job_);
            for (int y = 0; y < job.size.height; ++y) {
                unsigned char* row = rows + static_cast<size_t>(y) * stride;
                row[0] = 0; // no predictor
                CopyRow(band.image, job.halfTurn ? job.size.height - 1 - y : y, job.halfTurn, job.size.width,
                        row + 1);
            }
        }
        if (!PageImageEncoder::LooksFlat(rows + 1, rowBytes, stride, static_cast<size_t>(job.size.height))) {
            PageImageEncoder encoder(job.size.width, SIZE_MAX, [&](const unsigned char* data, size_t size) {
                pipeline.write(data, size);
            });
            for (int y = 0; y < job.size.height; ++y)
                encoder.WriteRow(rows + static_cast<size_t>(y) * stride + 1);
            encoder.Finish();
            return;
        }
        const size_t bound = libdeflate_zlib_compress_bound(work.compressor.get(), total);
        unsigned char* compressed = work.compressed.Reserve(bound);
        const size_t n = libdeflate_zlib_compress(work.compressor.get(), rows, total, compressed, bound);
        if (n == 0) throw std::runtime_error("page image cannot be compressed");
        pipeline.write(compressed, n);
    }

    // The page in bands of rows, each compressed as it comes. With a half turn
    // the image's first band is the page's last, its rows and pixels reversed.
    void WriteBanded(const RasterJob& job, Pipeline& pipeline) const
    {
        const size_t rowBytes = static_cast<size_t>(job.size.width) * 3;
        unsigned char* row = workspace_->row.Reserve(rowBytes);
        PageImageEncoder encoder(job.size.width, limits_.maxBandedImageBytes,
                                 [&](const unsigned char* data, size_t size) { pipeline.write(data, size); });
        for (int b = 0; b < job.Bands(); ++b) {
            StopIfCancelled();
            const RenderedBand band = queue_->Next(job_);
            const int rows = band.rows;
            // Rows the renderer laid out as the image wants them go as they are.
            const bool asRendered =
                !job.halfTurn && band.image.width() == job.size.width && band.image.height() == rows;
            const auto* rendered = reinterpret_cast<const unsigned char*>(band.image.const_data());
            for (int i = 0; i < rows; ++i) {
                const unsigned char* next = row;
                if (asRendered)
                    next =
                        rendered + static_cast<size_t>(i) * static_cast<size_t>(band.image.bytes_per_row());
                else
                    CopyRow(band.image, job.halfTurn ? rows - 1 - i : i, job.halfTurn, job.size.width, row);
                encoder.WriteRow(next);
                if (!encoder.WithinLimit()) Refuse(job);
            }
        }
        encoder.Finish();
        if (!encoder.WithinLimit()) Refuse(job);
    }

    [[noreturn]] void Refuse(const RasterJob& job) const
    {
        workspace_->refusal =
            Format("Page %d is not rasterised: its image is over %zu MB compressed (%d x %d pixels)",
                   job.index + 1, limits_.maxBandedImageBytes >> 20, job.size.width, job.size.height);
        throw PageRefused(workspace_->refusal);
    }

    std::shared_ptr<RasterRenderQueue> queue_;
    std::shared_ptr<RasterWorkspace> workspace_;
    size_t job_;
    RasterLimits limits_;
};

// Refuses a page that draws, itself or through its forms, an image (or an
// image's mask) that declares more than maxPixels pixels.
void RefuseLargeImages(QPDFPageObjectHelper& page, size_t pageNumber, double maxPixels)
{
    page.forEachImage(true, [&](QPDFObjectHandle& image, QPDFObjectHandle&, std::string const&) {
        QPDFObjectHandle dict = image.getDict();
        for (QPDFObjectHandle drawn : {dict, dict.getKey("/SMask"), dict.getKey("/Mask")}) {
            if (drawn.isStream()) drawn = drawn.getDict();
            if (!drawn.isDictionary()) continue;
            QPDFObjectHandle width = drawn.getKey("/Width");
            QPDFObjectHandle height = drawn.getKey("/Height");
            // An image without a size is refused by the renderer itself.
            if (!width.isNumber() || !height.isNumber()) continue;
            const double w = width.getNumericValue();
            const double h = height.getNumericValue();
            if (w * h <= maxPixels) continue;
            throw PageRefused(
                Format("Page %zu is not rasterised: it draws an image of %.0f x %.0f pixels, more "
                       "than the %.0f pixels the raster pass takes",
                       pageNumber, w, h, maxPixels));
        }
    });
}

// poppler takes the page count from the /Count at the root of the page tree
// and finds no page beyond it; qpdf walks the tree. When the two disagree, or
// poppler cannot read a file that qpdf repaired, poppler renders a copy of the
// document whose page tree holds the pages as qpdf found them, under a true
// count. The copy's temporary file is unlinked at once and read through its
// descriptor, so nothing is left behind however the run ends.
std::shared_ptr<poppler::document> LoadForRendering(PDFDocInfo& info,
                                                    const std::vector<QPDFObjectHandle>& pages)
{
    std::shared_ptr<poppler::document> document(poppler::document::load_from_file(info.documentPath));
    if (document && document->is_locked()) return nullptr;
    if (document && static_cast<size_t>(document->pages()) == pages.size()) return document;
    document.reset();

    char path[1024] = {};
    const int fd = cupsTempFd(path, sizeof path);
    if (fd < 0) return nullptr;
    ::unlink(path);
    FilePtr file(::fdopen(fd, "wb"));
    if (!file) {
        ::close(fd);
        return nullptr;
    }
    QPDF& pdf = info.document->pdf;
    // Attributes the pages inherit from the nodes above them move onto the
    // pages, which then hang from one new root.
    pdf.pushInheritedAttributesToPage();
    QPDFObjectHandle pagesRoot = NewPagesRoot(pdf);
    QPDFObjectHandle kids = QPDFObjectHandle::newArray();
    for (QPDFObjectHandle page : pages) {
        if (!page.isDictionary()) return nullptr;
        page.replaceKey("/Parent", pagesRoot);
        kids.appendItem(page);
    }
    ReplacePageTree(pdf, pagesRoot, kids, static_cast<int>(pages.size()), pdf.getRoot());
    Write(pdf, file.get(), "pages for rendering", StreamWriting::AsTheyAre);
    if (std::fflush(file.get()) != 0) return nullptr;
    document.reset(
        poppler::document::load_from_file("/proc/self/fd/" + std::to_string(::fileno(file.get()))));
    if (!document || document->is_locked() || static_cast<size_t>(document->pages()) != pages.size())
        return nullptr;
    return document;
}

} // namespace

int processImage(PDFDocInfo& info, const RasterLimits& limits)
{
    if (!info.document || info.outputContext == nullptr) return -1;
    auto workspace = std::make_shared<RasterWorkspace>();
    try {
        poppler::set_debug_error_function(IgnorePopplerMessage, nullptr);
        const std::vector<QPDFObjectHandle> pages = info.document->pdf.getAllPages();
        // Pages too large to rasterise, or drawing images too large to
        // render, are refused before anything is done.
        const bool complete = ForEachKeptPage(info, pages.size(), [&](size_t index) {
            QPDFPageObjectHelper page(pages[index]);
            RefuseLargeImages(page, index + 1, limits.maxImagePixels);
            const PageRect box = ToRect(page.getMediaBox(false));
            if (box.width() <= limits.maxPageSide && box.height() <= limits.maxPageSide) return;
            throw PageRefused(Format("Page %zu is not rasterised: it is %.0f x %.0f points (%.0f x %.0f mm), "
                                     "larger than the %.0f mm a side the raster pass takes",
                                     index + 1, box.width(), box.height(), Millimetres(box.width()),
                                     Millimetres(box.height()), Millimetres(limits.maxPageSide)));
        });
        if (!complete) return -1;
        std::shared_ptr<poppler::document> rendered = LoadForRendering(info, pages);
        if (!rendered) return -1;
        // The renderer allocates each page's bitmaps afresh; kept in the heap
        // rather than mapped and unmapped per page, the next page reuses the
        // memory instead of faulting in tens of megabytes again.
        ::mallopt(M_MMAP_MAX, 0);
        ::mallopt(M_TRIM_THRESHOLD, 1 << 30);
        workspace->compressor.reset(libdeflate_alloc_compressor(kRasterCompressionLevel));
        if (!workspace->compressor) return -1;
        PageMatrix turn;
        setContextCTM(info, turn, PageRect{0, 0, 1, 1});
        const bool halfTurn = turn.a < 0;

        QPDF out;
        out.setLogger(SilentLogger());
        out.emptyPDF();
        QPDFObjectHandle pagesRoot = out.getRoot().getKey("/Pages");
        QPDFObjectHandle kids = QPDFObjectHandle::newArray();
        int count = 0;
        PlacingContents placing;
        std::vector<RasterJob> jobs;
        std::vector<QPDFObjectHandle> images;
        ForEachKeptPage(info, pages.size(), [&](size_t index) {
            QPDFPageObjectHelper source(pages[index]);
            const PageRect mediaBox = ToRect(source.getMediaBox(false));
            const int rotate = PageRotate(source);
            // Each page gets a bitmap of its own size, so pages of other sizes
            // are neither cut nor stretched.
            const BitmapSize size = RasterBitmapSize(mediaBox);
            if (size.width < 1 || size.height < 1) throw std::runtime_error("page too small");
            RasterJob job{static_cast<int>(index), size, rotate, halfTurn, size.height};
            if (BitmapBytes(size) > limits.wholePageBytes)
                job.bandRows = static_cast<int>(std::clamp<size_t>(
                    limits.bandBytes / (static_cast<size_t>(size.width) * 3), 1, size_t(size.height)));
            jobs.push_back(job);
            QPDFObjectHandle image = QPDFObjectHandle::newStream(&out);
            QPDFObjectHandle dict = image.getDict();
            dict.replaceKey("/Type", QPDFObjectHandle::newName("/XObject"));
            dict.replaceKey("/Subtype", QPDFObjectHandle::newName("/Image"));
            dict.replaceKey("/Width", QPDFObjectHandle::newInteger(size.width));
            dict.replaceKey("/Height", QPDFObjectHandle::newInteger(size.height));
            dict.replaceKey("/ColorSpace", QPDFObjectHandle::newName("/DeviceRGB"));
            dict.replaceKey("/BitsPerComponent", QPDFObjectHandle::newInteger(8));
            images.push_back(image);
            // The image covers the whole media box.
            const QPDFMatrix place(mediaBox.width(), 0, 0, mediaBox.height(), mediaBox.x0, mediaBox.y0);
            const std::string content = "q\n" + place.unparse() + " cm\n/Im0 Do\nQ\n";
            kids.appendItem(NewPage(out, pagesRoot, RectArray(mediaBox), rotate, "/Im0", image,
                                    placing.For(out, content)));
            ++count;
        });
        // Rendering starts here, ahead of the writer that asks for the images.
        auto queue = std::make_shared<RasterRenderQueue>(rendered, jobs);
        for (size_t job = 0; job < jobs.size(); ++job)
            images[job].replaceStreamData(std::make_shared<RasterPage>(queue, workspace, job, limits),
                                          QPDFObjectHandle::newName("/FlateDecode"),
                                          RasterDecodeParms(jobs[job].size.width));
        pagesRoot.replaceKey("/Kids", kids);
        pagesRoot.replaceKey("/Count", QPDFObjectHandle::newInteger(count));
        out.updateAllPagesCache();
        Write(out, info.outputContext, "raster pass", StreamWriting::AsTheyAre);
    } catch (const PageRefused& refused) {
        info.passFailure = refused.what();
        return -1;
    } catch (const std::exception&) {
        info.passFailure = workspace->refusal;
        return -1;
    }
    return 0;
}
