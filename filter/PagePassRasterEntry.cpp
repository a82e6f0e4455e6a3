// The entry point of the raster pass module (spoolwrap-rasterpass.so), the
// one symbol it exports. CancelJob stays undefined in it, as in the page pass
// module, and is bound to spoolwrap's own flag.
#include "filter/PagePassRasterCalls.h"

namespace {

const RasterPassCalls kCalls = {sizeof(RasterPassCalls), sizeof(PDFDocInfo), sizeof(RasterLimits),
                                &processImage};

} // namespace

extern "C" __attribute__((visibility("default"))) const RasterPassCalls* SpoolwrapRasterPassEntry()
{
    return &kCalls;
}
