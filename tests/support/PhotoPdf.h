// A PDF of photograph-like pages: each page one RGB image over the whole
// page, smooth colour gradients with noise on every pixel, which neither
// repeats nor stays flat. Header only: it needs qpdf, which the tests and
// benchmarks that use it link through the filter.
#pragma once

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <cmath>
#include <cstdint>
#include <string>

namespace testing_support {

struct PhotoPages {
    int pages = 1;
    double widthPoints = 595, heightPoints = 842;
    int widthPixels = 2479, heightPixels = 3508; // 300 dpi on A4
    int noise = 8;                               // each sample moves by up to this much either way
};

// The pixels of page `page`: the same for the same arguments on every run.
inline std::string PhotoPixels(const PhotoPages& layout, int page)
{
    std::string pixels(static_cast<size_t>(layout.widthPixels) * static_cast<size_t>(layout.heightPixels) * 3,
                       '\0');
    uint32_t seed = 12345u + static_cast<uint32_t>(page);
    const double twoPi = 6.283185307179586;
    size_t i = 0;
    for (int y = 0; y < layout.heightPixels; ++y) {
        const double fy = static_cast<double>(y) / layout.heightPixels;
        for (int x = 0; x < layout.widthPixels; ++x) {
            const double fx = static_cast<double>(x) / layout.widthPixels;
            const double base[3] = {128 + 100 * std::sin(twoPi * (fx * 1.3 + page * 0.2)),
                                    128 + 100 * std::cos(twoPi * (fy * 0.9 + fx * 0.4)),
                                    128 + 90 * std::sin(twoPi * (fx + fy) * 0.7)};
            for (const double b : base) {
                seed = seed * 1664525u + 1013904223u;
                const int moved = static_cast<int>(b) +
                                  static_cast<int>((seed >> 24) % (2 * layout.noise + 1)) - layout.noise;
                pixels[i++] = static_cast<char>(moved < 0 ? 0 : moved > 255 ? 255 : moved);
            }
        }
    }
    return pixels;
}

// Writes the pages; the images are Flate-compressed, as scanners and cameras'
// PDF writers leave them lossless.
inline void WritePhotoPdf(const std::string& path, const PhotoPages& layout)
{
    QPDF pdf;
    pdf.emptyPDF();
    QPDFPageDocumentHelper doc(pdf);
    for (int p = 0; p < layout.pages; ++p) {
        QPDFObjectHandle image = QPDFObjectHandle::newStream(&pdf, PhotoPixels(layout, p));
        QPDFObjectHandle dict = image.getDict();
        dict.replaceKey("/Type", QPDFObjectHandle::newName("/XObject"));
        dict.replaceKey("/Subtype", QPDFObjectHandle::newName("/Image"));
        dict.replaceKey("/Width", QPDFObjectHandle::newInteger(layout.widthPixels));
        dict.replaceKey("/Height", QPDFObjectHandle::newInteger(layout.heightPixels));
        dict.replaceKey("/ColorSpace", QPDFObjectHandle::newName("/DeviceRGB"));
        dict.replaceKey("/BitsPerComponent", QPDFObjectHandle::newInteger(8));
        QPDFObjectHandle xobjects = QPDFObjectHandle::newDictionary();
        xobjects.replaceKey("/Im0", image);
        QPDFObjectHandle resources = QPDFObjectHandle::newDictionary();
        resources.replaceKey("/XObject", xobjects);
        QPDFObjectHandle page = QPDFObjectHandle::newDictionary();
        page.replaceKey("/Type", QPDFObjectHandle::newName("/Page"));
        page.replaceKey("/MediaBox", QPDFObjectHandle::newArray(QPDFObjectHandle::Rectangle(
                                         0, 0, layout.widthPoints, layout.heightPoints)));
        page.replaceKey("/Resources", resources);
        page.replaceKey("/Contents",
                        QPDFObjectHandle::newStream(&pdf, "q " + std::to_string(layout.widthPoints) +
                                                              " 0 0 " + std::to_string(layout.heightPoints) +
                                                              " 0 0 cm /Im0 Do Q\n"));
        doc.addPage(QPDFPageObjectHelper(pdf.makeIndirectObject(page)), false);
    }
    QPDFWriter writer(pdf, path.c_str());
    writer.write();
}

} // namespace testing_support
