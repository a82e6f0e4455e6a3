// The page pass module's raster pass: processImage handed on to the raster
// pass module, which is loaded on first use from the folder this module was
// loaded from (beside spoolwrap, in the build tree as when installed). That
// one path is tried, nothing is searched.
//
// When it cannot be loaded, the pass fails with the reason in the job's log,
// and the job goes out as after any failed page pass.
#include "filter/PagePass.h"

#include "filter/ModuleFile.h"
#include "filter/PagePassRasterCalls.h"

#include <dlfcn.h>

#include <string>

#ifndef QV_RASTERPASS_MODULE_NAME
#error "the build names the raster pass module"
#endif

namespace {

// The raster module's path: beside the file that holds this code.
std::string RasterPassModulePath()
{
    Dl_info self{};
    if (::dladdr(reinterpret_cast<void*>(&RasterPassModulePath), &self) == 0 || self.dli_fname == nullptr)
        return {};
    const std::string module = self.dli_fname;
    const size_t slash = module.rfind('/');
    if (slash == std::string::npos) return {};
    return module.substr(0, slash + 1) + QV_RASTERPASS_MODULE_NAME;
}

struct RasterPassLoad {
    const RasterPassCalls* calls = nullptr;
    std::string failure;
};

RasterPassLoad LoadRasterPass()
{
    RasterPassLoad load;
    const std::string path = RasterPassModulePath();
    if (path.empty()) {
        load.failure = "The raster pass module " + std::string(QV_RASTERPASS_MODULE_NAME) +
                       " cannot be found: the page pass module's own path is unknown";
        return load;
    }
    const std::string cannot = "The raster pass module " + path + " cannot be loaded: ";
    OpenedModule module = OpenModuleEntry(path, kRasterPassEntryName);
    if (!module.handle) {
        load.failure = cannot + module.failure;
        return load;
    }
    const RasterPassCalls* calls = reinterpret_cast<const RasterPassCalls* (*)()>(module.entry)();
    if (calls == nullptr || !RasterPassCallsMatch(*calls)) {
        load.failure = cannot + "it was built for another version of the filter";
        return load;
    }
    (void)module.handle.release(); // kept for the life of the process
    load.calls = calls;
    return load;
}

} // namespace

int processImage(PDFDocInfo& info, const RasterLimits& limits)
{
    static const RasterPassLoad load = LoadRasterPass();
    if (load.calls == nullptr) {
        info.passFailure = load.failure;
        return -1;
    }
    return load.calls->processImage(info, limits);
}
