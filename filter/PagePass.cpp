#include "filter/PagePass.h"

#include <cups/cups.h>

#include <poppler/cpp/poppler-document.h>
#include <poppler/cpp/poppler-global.h>
#include <poppler/cpp/poppler-image.h>
#include <poppler/cpp/poppler-page-renderer.h>
#include <poppler/cpp/poppler-page.h>

#include <qpdf/Pipeline.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFLogger.hh>
#include <qpdf/QPDFMatrix.hh>
#include <qpdf/QPDFObjGen.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <libdeflate.h>

#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <memory>
#include <stdexcept>
#include <vector>

// The job's PDF, opened with qpdf.
class PdfDocument {
public:
    QPDF pdf;
};

namespace {

// US Letter, what a page without a media box is taken to be.
constexpr PageRect kDefaultMediaBox{0, 0, 612, 792};

// Output is buffered in large blocks: the pass writes whole documents.
constexpr size_t kOutputBuffer = 1 << 20;

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

std::shared_ptr<QPDFLogger> SilentLogger()
{
    // The library's reports would otherwise land on standard output, which is
    // the printer's data stream.
    auto logger = QPDFLogger::create();
    logger->setInfo(logger->discard());
    logger->setWarn(logger->discard());
    logger->setError(logger->discard());
    return logger;
}

PageRect ToRect(QPDFObjectHandle box)
{
    if (!box.isRectangle()) return kDefaultMediaBox;
    const QPDFObjectHandle::Rectangle r = box.getArrayAsRectangle();
    PageRect rect{std::min(r.llx, r.urx), std::min(r.lly, r.ury), std::max(r.llx, r.urx),
                  std::max(r.lly, r.ury)};
    if (rect.width() <= 0 || rect.height() <= 0) return kDefaultMediaBox;
    return rect;
}

QPDFObjectHandle RectArray(const PageRect& r)
{
    return QPDFObjectHandle::newArray(QPDFObjectHandle::Rectangle(r.x0, r.y0, r.x1, r.y1));
}

// The page's /Rotate as 0, 90, 180 or 270.
int PageRotate(QPDFPageObjectHelper& page)
{
    QPDFObjectHandle rotate = page.getAttribute("/Rotate", false);
    if (!rotate.isInteger()) return 0;
    const long long degrees = rotate.getIntValue() % 360;
    const int r = static_cast<int>(degrees < 0 ? degrees + 360 : degrees);
    return r % 90 == 0 ? r : 0;
}

// A page turned into a form XObject to be drawn on a new page. A page with
// one content stream lends that stream itself (its data untouched, so nothing
// is decoded and compressed again); other pages get a copy of their contents.
class PageForms {
public:
    QPDFObjectHandle FormFor(QPDFPageObjectHelper& page)
    {
        QPDFObjectHandle contents = page.getObjectHandle().getKey("/Contents");
        if (contents.isArray() && contents.getArrayNItems() == 1) contents = contents.getArrayItem(0);
        QPDFObjectHandle resources = page.getAttribute("/Resources", false);
        QPDFObjectHandle bbox = RectArray(ToRect(page.getCropBox(false, false)));
        if (!contents.isStream() || !contents.isIndirect()) return page.getFormXObjectForPage(false);

        // A stream shared by several pages is lent once; a page that would
        // need it with other resources or another box gets its own copy.
        const std::string use = resources.unparse() + " " + bbox.unparse();
        const auto [it, inserted] = lent_.emplace(contents.getObjGen(), use);
        if (!inserted) {
            if (it->second == use) return contents;
            return page.getFormXObjectForPage(false);
        }
        QPDFObjectHandle dict = contents.getDict();
        dict.replaceKey("/Type", QPDFObjectHandle::newName("/XObject"));
        dict.replaceKey("/Subtype", QPDFObjectHandle::newName("/Form"));
        dict.replaceKey("/BBox", bbox);
        if (!resources.isNull()) dict.replaceKey("/Resources", resources);
        QPDFObjectHandle group = page.getAttribute("/Group", false);
        if (!group.isNull()) dict.replaceKey("/Group", group);
        return contents;
    }

private:
    std::map<QPDFObjGen, std::string> lent_;
};

// A new /Pages root holding kids, and a catalog over it: only the kept pages
// are reachable, so only they are written.
void ReplacePageTree(QPDF& pdf, QPDFObjectHandle pagesRoot, QPDFObjectHandle kids, int count,
                     QPDFObjectHandle oldRoot)
{
    pagesRoot.replaceKey("/Kids", kids);
    pagesRoot.replaceKey("/Count", QPDFObjectHandle::newInteger(count));
    QPDFObjectHandle catalog = QPDFObjectHandle::newDictionary();
    catalog.replaceKey("/Type", QPDFObjectHandle::newName("/Catalog"));
    catalog.replaceKey("/Pages", pagesRoot);
    // Layers decide what is visible, and what is printed.
    if (oldRoot.isDictionary() && oldRoot.hasKey("/OCProperties"))
        catalog.replaceKey("/OCProperties", oldRoot.getKey("/OCProperties"));
    pdf.getTrailer().replaceKey("/Root", pdf.makeIndirectObject(catalog));
    pdf.updateAllPagesCache();
}

QPDFObjectHandle NewPagesRoot(QPDF& pdf)
{
    QPDFObjectHandle pages = QPDFObjectHandle::newDictionary();
    pages.replaceKey("/Type", QPDFObjectHandle::newName("/Pages"));
    return pdf.makeIndirectObject(pages);
}

QPDFObjectHandle NewPage(QPDF& pdf, QPDFObjectHandle parent, const PageRect& mediaBox, int rotate,
                         const char* xobjectName, QPDFObjectHandle xobject, const std::string& content)
{
    QPDFObjectHandle xobjects = QPDFObjectHandle::newDictionary();
    xobjects.replaceKey(xobjectName, xobject);
    QPDFObjectHandle resources = QPDFObjectHandle::newDictionary();
    resources.replaceKey("/XObject", xobjects);
    QPDFObjectHandle page = QPDFObjectHandle::newDictionary();
    page.replaceKey("/Type", QPDFObjectHandle::newName("/Page"));
    page.replaceKey("/Parent", parent);
    page.replaceKey("/MediaBox", RectArray(mediaBox));
    page.replaceKey("/Resources", resources);
    page.replaceKey("/Contents", QPDFObjectHandle::newStream(&pdf, content));
    if (rotate != 0) page.replaceKey("/Rotate", QPDFObjectHandle::newInteger(rotate));
    return pdf.makeIndirectObject(page);
}

void Write(QPDF& pdf, std::FILE* out, const char* description)
{
    QPDFWriter writer(pdf);
    writer.setOutputFile(description, out, false);
    // Streams are written as they are: those of the job, the page images
    // (compressed when they are made) and the few bytes of drawing operators
    // that place each page, not worth a compressor each.
    writer.setDecodeLevel(qpdf_dl_none);
    writer.setCompressStreams(false);
    writer.write();
}

// Pages to draw: 1, 1 + step, ... up to the last page.
template <typename DrawPage>
bool ForEachKeptPage(const PDFDocInfo& info, size_t pageCount, DrawPage draw)
{
    const int step = std::max(info.pageStep, 1);
    for (long long p = 1; p <= info.lastPage; p += step) {
        if (p > static_cast<long long>(pageCount)) return false; // a missing page
        draw(static_cast<size_t>(p - 1));
    }
    return true;
}

struct CompressorDeleter {
    void operator()(libdeflate_compressor* c) const { libdeflate_free_compressor(c); }
};

// Buffers the raster pass reuses from page to page: a page's bitmap is tens of
// megabytes, and fresh memory for every page costs more in page faults and
// clearing than the compression itself.
struct RasterWorkspace {
    std::unique_ptr<libdeflate_compressor, CompressorDeleter> compressor;
    std::unique_ptr<unsigned char[]> compressed;
    size_t compressedSize = 0;
    std::unique_ptr<unsigned char[]> turned;
    size_t turnedSize = 0;

    unsigned char* Compressed(size_t size) { return Reserve(compressed, compressedSize, size); }
    unsigned char* Turned(size_t size) { return Reserve(turned, turnedSize, size); }

private:
    static unsigned char* Reserve(std::unique_ptr<unsigned char[]>& buffer, size_t& have, size_t size)
    {
        if (have < size) {
            buffer.reset();
            buffer = std::make_unique_for_overwrite<unsigned char[]>(size);
            have = size;
        }
        return buffer.get();
    }
};

// Page images are mostly flat colour. libdeflate's level 1 spends longer on
// the long runs of white than levels 2 to 4, which also compress better;
// level 3 measured fastest on rendered office pages.
constexpr int kRasterCompressionLevel = 3;

void IgnorePopplerMessage(const std::string&, void*) {}

// The image data of one rasterised page, rendered when the writer asks for it
// so that only one page's bitmap is in memory at a time.
class RasterPage : public QPDFObjectHandle::StreamDataProvider {
public:
    RasterPage(std::shared_ptr<poppler::document> document, std::shared_ptr<RasterWorkspace> workspace,
               int index, BitmapSize size, int pageRotate, const PDFDocInfo& info)
        : document_(std::move(document)), workspace_(std::move(workspace)), index_(index), size_(size),
          pageRotate_(pageRotate), info_(info)
    {}

    void provideStreamData(QPDFObjGen const&, Pipeline* pipeline) override
    {
        std::unique_ptr<poppler::page> page(document_->create_page(index_));
        if (!page) throw std::runtime_error("page cannot be read");
        poppler::page_renderer renderer;
        renderer.set_render_hint(poppler::page_renderer::antialiasing, true);
        renderer.set_render_hint(poppler::page_renderer::text_antialiasing, true);
        renderer.set_image_format(poppler::image::format_rgb24);
        renderer.set_paper_color(0xffffffff); // opaque white under every page
        // The bitmap holds the page as its media box lies; the page's own
        // /Rotate stays on the output page.
        const auto unrotate = static_cast<poppler::rotation_enum>(((360 - pageRotate_) % 360) / 90);
        const poppler::image image = renderer.render_page(page.get(), kRasterDpi, kRasterDpi, 0, 0,
                                                          size_.width, size_.height, unrotate);
        if (!image.is_valid() || image.format() != poppler::image::format_rgb24)
            throw std::runtime_error("page cannot be rendered");
        // The bitmap as 8-bit RGB rows, zlib-compressed for /FlateDecode.
        RasterWorkspace& work = *workspace_;
        const std::span<const unsigned char> rgb = Rows(image, work);
        const size_t bound = libdeflate_zlib_compress_bound(work.compressor.get(), rgb.size());
        unsigned char* compressed = work.Compressed(bound);
        const size_t n =
            libdeflate_zlib_compress(work.compressor.get(), rgb.data(), rgb.size(), compressed, bound);
        if (n == 0) throw std::runtime_error("page image cannot be compressed");
        pipeline->write(compressed, n);
        pipeline->finish();
    }

private:
    // The bitmap as rows of 8-bit RGB: the renderer's own memory when it is
    // laid out so, otherwise a copy in the workspace. Rows and columns the renderer
    // did not cover stay white; a half turn reverses both the rows and the
    // pixels in them.
    std::span<const unsigned char> Rows(const poppler::image& image, RasterWorkspace& work) const
    {
        PageMatrix turn;
        setContextCTM(info_, turn, PageRect{0, 0, double(size_.width), double(size_.height)});
        const bool halfTurn = turn.a < 0;
        const size_t rowBytes = static_cast<size_t>(size_.width) * 3;
        const char* data = image.const_data();
        if (!halfTurn && image.width() == size_.width && image.height() == size_.height &&
            static_cast<size_t>(image.bytes_per_row()) == rowBytes)
            return {reinterpret_cast<const unsigned char*>(data),
                    rowBytes * static_cast<size_t>(size_.height)};
        const size_t total = rowBytes * static_cast<size_t>(size_.height);
        unsigned char* scratch = work.Turned(total);
        const int rendered = std::min(image.height(), size_.height);
        const int columns = std::min(image.width(), size_.width);
        for (int y = 0; y < size_.height; ++y) {
            const int source = halfTurn ? size_.height - 1 - y : y;
            unsigned char* row = scratch + static_cast<size_t>(y) * rowBytes;
            if (source >= rendered || columns < size_.width) std::memset(row, 0xff, rowBytes);
            if (source < rendered) {
                const auto* in = reinterpret_cast<const unsigned char*>(data) +
                                 static_cast<size_t>(source) * static_cast<size_t>(image.bytes_per_row());
                if (!halfTurn) {
                    std::memcpy(row, in, static_cast<size_t>(columns) * 3);
                } else {
                    for (int x = 0; x < columns; ++x)
                        std::memcpy(row + static_cast<size_t>(size_.width - 1 - x) * 3, in + x * 3, 3);
                }
            }
        }
        return {scratch, total};
    }

    std::shared_ptr<poppler::document> document_;
    std::shared_ptr<RasterWorkspace> workspace_;
    int index_;
    BitmapSize size_;
    int pageRotate_;
    const PDFDocInfo& info_;
};

} // namespace

BitmapSize RasterBitmapSize(const PageRect& mediaBox)
{
    return BitmapSize{static_cast<int>(mediaBox.width() * kRasterScale),
                      static_cast<int>(mediaBox.height() * kRasterScale)};
}

std::shared_ptr<PdfDocument> OpenPdfDocument(const char* path)
{
    if (path == nullptr || *path == '\0') return nullptr;
    try {
        auto document = std::make_shared<PdfDocument>();
        document->pdf.setLogger(SilentLogger());
        document->pdf.setSuppressWarnings(true);
        document->pdf.processFile(path);
        return document;
    } catch (const std::exception&) {
        return nullptr;
    }
}

int PdfDocumentPageCount(PdfDocument& document)
{
    try {
        QPDFObjectHandle pages = document.pdf.getRoot().getKey("/Pages");
        if (pages.isDictionary()) {
            QPDFObjectHandle count = pages.getKey("/Count");
            if (count.isInteger() && count.getIntValue() >= 0 && count.getIntValue() <= INT32_MAX)
                return static_cast<int>(count.getIntValue());
        }
        return static_cast<int>(document.pdf.getAllPages().size());
    } catch (const std::exception&) {
        return -1;
    }
}

void setContextCTM(const PDFDocInfo& info, PageMatrix& ctm, const PageRect& rect)
{
    const int r = ((info.rotation % 360) + 360) % 360;
    if (r != 180) return;
    // Move the origin to the rectangle's far corner, then turn by 180
    // degrees: [-1 0 0 -1 0 0] x ctm x [1 0 0 1 tx ty].
    const double tx = rect.x0 + rect.x1;
    const double ty = rect.y0 + rect.y1;
    ctm.e += ctm.a * tx + ctm.c * ty;
    ctm.f += ctm.b * tx + ctm.d * ty;
    ctm.a = -ctm.a;
    ctm.b = -ctm.b;
    ctm.c = -ctm.c;
    ctm.d = -ctm.d;
}

int processPDF(PDFDocInfo& info)
{
    if (!info.document || info.outputContext == nullptr) return -1;
    try {
        QPDF& pdf = info.document->pdf;
        const std::vector<QPDFObjectHandle> pages = pdf.getAllPages();
        const QPDFObjectHandle oldRoot = pdf.getRoot();
        QPDFObjectHandle pagesRoot = NewPagesRoot(pdf);
        QPDFObjectHandle kids = QPDFObjectHandle::newArray();
        PageForms forms;
        int count = 0;
        const bool complete = ForEachKeptPage(info, pages.size(), [&](size_t index) {
            QPDFPageObjectHelper source(pages[index]);
            const PageRect mediaBox = ToRect(source.getMediaBox(false));
            PageMatrix turn;
            setContextCTM(info, turn, mediaBox);
            const QPDFMatrix ctm(turn.a, turn.b, turn.c, turn.d, turn.e, turn.f);
            std::string content = "q\n";
            if (ctm.a != 1.0) content += ctm.unparse() + " cm\n";
            content += "/Fx0 Do\nQ\n";
            kids.appendItem(NewPage(pdf, pagesRoot, mediaBox, PageRotate(source), "/Fx0",
                                    forms.FormFor(source), content));
            ++count;
        });
        if (!complete) return -1;
        ReplacePageTree(pdf, pagesRoot, kids, count, oldRoot);
        Write(pdf, info.outputContext, "page pass");
    } catch (const std::exception&) {
        return -1;
    }
    return 0;
}

int processImage(PDFDocInfo& info)
{
    if (!info.document || info.outputContext == nullptr) return -1;
    try {
        poppler::set_debug_error_function(IgnorePopplerMessage, nullptr);
        std::shared_ptr<poppler::document> rendered(poppler::document::load_from_file(info.documentPath));
        if (!rendered || rendered->is_locked()) return -1;

        const std::vector<QPDFObjectHandle> pages = info.document->pdf.getAllPages();
        if (static_cast<size_t>(rendered->pages()) != pages.size()) return -1;
        // The renderer allocates each page's bitmaps afresh; kept in the heap
        // rather than mapped and unmapped per page, the next page reuses the
        // memory instead of faulting in tens of megabytes again.
        ::mallopt(M_MMAP_MAX, 0);
        ::mallopt(M_TRIM_THRESHOLD, 1 << 30);
        auto workspace = std::make_shared<RasterWorkspace>();
        workspace->compressor.reset(libdeflate_alloc_compressor(kRasterCompressionLevel));
        if (!workspace->compressor) return -1;

        QPDF out;
        out.setLogger(SilentLogger());
        out.emptyPDF();
        QPDFObjectHandle pagesRoot = out.getRoot().getKey("/Pages");
        QPDFObjectHandle kids = QPDFObjectHandle::newArray();
        int count = 0;
        const bool complete = ForEachKeptPage(info, pages.size(), [&](size_t index) {
            QPDFPageObjectHelper source(pages[index]);
            const PageRect mediaBox = ToRect(source.getMediaBox(false));
            const int rotate = PageRotate(source);
            // Each page gets a bitmap of its own size, so pages of other sizes
            // are neither cut nor stretched.
            const BitmapSize size = RasterBitmapSize(mediaBox);
            if (size.width < 1 || size.height < 1) throw std::runtime_error("page too small");
            QPDFObjectHandle image = QPDFObjectHandle::newStream(&out);
            QPDFObjectHandle dict = image.getDict();
            dict.replaceKey("/Type", QPDFObjectHandle::newName("/XObject"));
            dict.replaceKey("/Subtype", QPDFObjectHandle::newName("/Image"));
            dict.replaceKey("/Width", QPDFObjectHandle::newInteger(size.width));
            dict.replaceKey("/Height", QPDFObjectHandle::newInteger(size.height));
            dict.replaceKey("/ColorSpace", QPDFObjectHandle::newName("/DeviceRGB"));
            dict.replaceKey("/BitsPerComponent", QPDFObjectHandle::newInteger(8));
            image.replaceStreamData(std::make_shared<RasterPage>(rendered, workspace, static_cast<int>(index),
                                                                 size, rotate, info),
                                    QPDFObjectHandle::newName("/FlateDecode"), QPDFObjectHandle::newNull());
            // The image covers the whole media box.
            const QPDFMatrix place(mediaBox.width(), 0, 0, mediaBox.height(), mediaBox.x0, mediaBox.y0);
            const std::string content = "q\n" + place.unparse() + " cm\n/Im0 Do\nQ\n";
            kids.appendItem(NewPage(out, pagesRoot, mediaBox, rotate, "/Im0", image, content));
            ++count;
        });
        if (!complete) return -1;
        pagesRoot.replaceKey("/Kids", kids);
        pagesRoot.replaceKey("/Count", QPDFObjectHandle::newInteger(count));
        out.updateAllPagesCache();
        Write(out, info.outputContext, "raster pass");
    } catch (const std::exception&) {
        return -1;
    }
    return 0;
}

int PreProcess(PDFDocInfo& info, std::span<char> path)
{
    std::memset(path.data(), 0, path.size());
    const int fd = cupsTempFd(path.data(), static_cast<int>(path.size()));
    if (fd < 0) {
        std::memset(path.data(), 0, path.size());
        return 0;
    }
    FilePtr file(::fdopen(fd, "wb"));
    if (!file) ::close(fd);
    int drawn = -1;
    if (file) {
        std::setvbuf(file.get(), nullptr, _IOFBF, kOutputBuffer);
        info.outputContext = file.get();
        drawn = info.rasterFlag == 1 ? processImage(info) : processPDF(info);
        info.outputContext = nullptr;
    }
    // A write that failed part-way leaves the error flag set even when the
    // final flush has nothing left to write.
    const bool writeFailed = file && std::ferror(file.get()) != 0;
    const bool closed = file && std::fclose(file.release()) == 0 && !writeFailed;
    if (drawn != 0 || !closed) {
        ::unlink(path.data());
        std::memset(path.data(), 0, path.size());
        return 0;
    }
    return 1;
}
