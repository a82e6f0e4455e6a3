// Test PDFs with marks that survive rendering, and a renderer to find them:
// every page carries a black square in its top-left corner (where the page's
// top is tells how it was turned) and a smaller square whose distance from the
// left edge says which source page it is.
#pragma once

#include "tests/support/ScopedEnv.h"

#include <string>
#include <vector>

using testing_support::ScopedEnv;

struct TestPageSpec {
    double x0 = 0, y0 = 0, width = 595, height = 842;
    int rotate = 0; // the page's /Rotate
};

// Writes a PDF of pages; page i (1-based) carries the identity mark of i.
void WriteMarkedPdf(const std::string& path, const std::vector<TestPageSpec>& pages);
void WriteMarkedPdf(const std::string& path, int pageCount);

// One rendered page (8-bit RGB, rows top to bottom).
struct RenderedPage {
    int width = 0, height = 0;
    std::vector<unsigned char> rgb;
    bool dark(int x, int y) const;
};
// Renders a page (0-based) of a PDF file at the given resolution, with the
// page's own /Rotate applied as a viewer would.
RenderedPage RenderPage(const std::string& pdfPath, int index, double dpi = 18);

// Where the corner mark landed.
enum class Corner { TopLeft, TopRight, BottomLeft, BottomRight, None };
Corner FindCornerMark(const RenderedPage& page);

// The identity (source page number) of a rendered page drawn upright or turned
// by 180 degrees; 0 when no identity mark is found.
int FindPageIdentity(const RenderedPage& page);

// Page count and media boxes as qpdf reads them.
int PdfPageCount(const std::string& pdfPath);
std::vector<double> PdfMediaBox(const std::string& pdfPath, int index);

// The PDF between the PJL header and trailer of a job.
std::string JobPdf(const std::string& job);
