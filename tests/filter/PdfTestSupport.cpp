#include "PdfTestSupport.h"

#include <poppler/cpp/poppler-document.h>
#include <poppler/cpp/poppler-image.h>
#include <poppler/cpp/poppler-page-renderer.h>
#include <poppler/cpp/poppler-page.h>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <algorithm>
#include <memory>
#include <sstream>
#include <stdexcept>

namespace {

constexpr double kCornerSize = 60;
constexpr double kIdSize = 16;
double IdX(int id) { return 120 + 24 * id; }

std::string PageContent(const TestPageSpec& layout, int id)
{
    std::ostringstream s;
    s << "0 g\n"
      << layout.x0 + 10 << ' ' << layout.y0 + layout.height - 10 - kCornerSize << ' ' << kCornerSize << ' '
      << kCornerSize << " re f\n"
      << layout.x0 + IdX(id) << ' ' << layout.y0 + layout.height / 2 << ' ' << kIdSize << ' ' << kIdSize
      << " re f\n";
    return s.str();
}

} // namespace

void WriteMarkedPdf(const std::string& path, const std::vector<TestPageSpec>& pages)
{
    QPDF pdf;
    pdf.emptyPDF();
    QPDFPageDocumentHelper doc(pdf);
    int id = 0;
    for (const TestPageSpec& layout : pages) {
        ++id;
        QPDFObjectHandle page = QPDFObjectHandle::newDictionary();
        page.replaceKey("/Type", QPDFObjectHandle::newName("/Page"));
        page.replaceKey("/MediaBox",
                        QPDFObjectHandle::newArray(QPDFObjectHandle::Rectangle(
                            layout.x0, layout.y0, layout.x0 + layout.width, layout.y0 + layout.height)));
        page.replaceKey("/Resources", QPDFObjectHandle::newDictionary());
        page.replaceKey("/Contents", QPDFObjectHandle::newStream(&pdf, PageContent(layout, id)));
        if (layout.rotate != 0) page.replaceKey("/Rotate", QPDFObjectHandle::newInteger(layout.rotate));
        doc.addPage(QPDFPageObjectHelper(pdf.makeIndirectObject(page)), false);
    }
    QPDFWriter writer(pdf, path.c_str());
    writer.write();
}

void WriteMarkedPdf(const std::string& path, int pageCount)
{
    WriteMarkedPdf(path, std::vector<TestPageSpec>(static_cast<size_t>(pageCount)));
}

bool RenderedPage::dark(int x, int y) const
{
    const size_t i = (static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)) * 3;
    return rgb[i] < 80 && rgb[i + 1] < 80 && rgb[i + 2] < 80;
}

RenderedPage RenderPage(const std::string& pdfPath, int index, double dpi)
{
    std::unique_ptr<poppler::document> doc(poppler::document::load_from_file(pdfPath));
    if (!doc) throw std::runtime_error("cannot load " + pdfPath);
    std::unique_ptr<poppler::page> page(doc->create_page(index));
    if (!page) throw std::runtime_error("no page");
    poppler::page_renderer renderer;
    renderer.set_image_format(poppler::image::format_rgb24);
    const poppler::image image = renderer.render_page(page.get(), dpi, dpi);
    RenderedPage out;
    out.width = image.width();
    out.height = image.height();
    out.rgb.resize(static_cast<size_t>(out.width) * static_cast<size_t>(out.height) * 3);
    for (int y = 0; y < out.height; ++y)
        std::copy_n(image.const_data() + static_cast<size_t>(y) * static_cast<size_t>(image.bytes_per_row()),
                    static_cast<size_t>(out.width) * 3,
                    out.rgb.begin() + static_cast<long>(y) * out.width * 3);
    return out;
}

Corner FindCornerMark(const RenderedPage& page)
{
    // The corner square covers the corner region's centre whichever way the
    // page was turned; count dark pixels in each corner's box.
    const int bw = page.width / 6, bh = page.height / 10;
    auto darkIn = [&](int x0, int y0) {
        int n = 0;
        for (int y = y0; y < y0 + bh; ++y)
            for (int x = x0; x < x0 + bw; ++x) n += page.dark(x, y) ? 1 : 0;
        return n;
    };
    const int tl = darkIn(0, 0), tr = darkIn(page.width - bw, 0), bl = darkIn(0, page.height - bh),
              br = darkIn(page.width - bw, page.height - bh);
    const int best = std::max(std::max(tl, tr), std::max(bl, br));
    if (best < bw * bh / 8) return Corner::None;
    if (best == tl) return Corner::TopLeft;
    if (best == tr) return Corner::TopRight;
    if (best == bl) return Corner::BottomLeft;
    return Corner::BottomRight;
}

int FindPageIdentity(const RenderedPage& page)
{
    const Corner corner = FindCornerMark(page);
    if (corner != Corner::TopLeft && corner != Corner::BottomRight) return 0;
    const bool turned = corner == Corner::BottomRight;
    // The identity square sits on the middle line: its left edge in points.
    const int y = page.height / 2 + (turned ? 2 : -2);
    const double pointsPerPixel = 595.0 / page.width;
    for (int x = 0; x < page.width; ++x) {
        const int px = turned ? page.width - 1 - x : x;
        if (!page.dark(px, y)) continue;
        const double left = x * pointsPerPixel;
        return static_cast<int>((left - 120) / 24 + 0.5);
    }
    return 0;
}

int PdfPageCount(const std::string& pdfPath)
{
    QPDF pdf;
    pdf.processFile(pdfPath.c_str());
    return static_cast<int>(pdf.getAllPages().size());
}

std::vector<double> PdfMediaBox(const std::string& pdfPath, int index)
{
    QPDF pdf;
    pdf.processFile(pdfPath.c_str());
    QPDFPageObjectHelper page(pdf.getAllPages().at(static_cast<size_t>(index)));
    const QPDFObjectHandle::Rectangle r = page.getMediaBox().getArrayAsRectangle();
    return {r.llx, r.lly, r.urx, r.ury};
}

std::string JobPdf(const std::string& job)
{
    const std::string enter = "@PJL ENTER LANGUAGE=PDF\n";
    const size_t start = job.find(enter);
    const size_t end = job.rfind("\x1b%-12345X");
    if (start == std::string::npos || end == std::string::npos || end < start + enter.size()) return {};
    return job.substr(start + enter.size(), end - start - enter.size());
}
