// The raster pass as a module of its own (spoolwrap-rasterpass.so), loaded by
// the page pass module only when a job is rasterised: it alone links poppler,
// whose libraries a vector-only job then never maps.
//
// The document it is handed was opened by the page pass module: both link the
// same qpdf library, and PdfDocument has one definition (filter/PagePassQpdf.h).
// Kept C++17-clean, as PagePass.h is.
#pragma once

#include "filter/PagePass.h"

#include <cstddef>

struct RasterPassCalls {
    // Sizes of the records that cross between the modules, as this module was
    // built: one built from other headers is refused rather than called.
    std::size_t callsSize;
    std::size_t docInfoSize;
    std::size_t rasterLimitsSize;
    int (*processImage)(PDFDocInfo& info, const RasterLimits& limits);
};

extern "C" const RasterPassCalls* SpoolwrapRasterPassEntry();
inline constexpr const char* kRasterPassEntryName = "SpoolwrapRasterPassEntry";

inline bool RasterPassCallsMatch(const RasterPassCalls& calls)
{
    return calls.callsSize == sizeof(RasterPassCalls) && calls.docInfoSize == sizeof(PDFDocInfo) &&
           calls.rasterLimitsSize == sizeof(RasterLimits) && calls.processImage != nullptr;
}
