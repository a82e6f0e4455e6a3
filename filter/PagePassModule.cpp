#include "filter/PagePassModule.h"

#include "filter/ErrorMessage.h"

#include <dlfcn.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

namespace {

struct ModuleCloser {
    void operator()(void* handle) const { ::dlclose(handle); }
};
using ModuleHandle = std::unique_ptr<void, ModuleCloser>;

std::string DlError()
{
    const char* text = ::dlerror();
    return text != nullptr ? text : "unknown error";
}

} // namespace

std::string PagePassModulePath()
{
    std::vector<char> buffer(4096);
    const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (n <= 0 || static_cast<size_t>(n) >= buffer.size()) return {};
    std::string program(buffer.data(), static_cast<size_t>(n));
    const size_t slash = program.rfind('/');
    if (slash == std::string::npos) return {};
    return program.substr(0, slash + 1) + QV_PAGEPASS_MODULE_NAME;
}

PagePassLoad LoadPagePassModule(const std::string& path)
{
    PagePassLoad load;
    if (path.empty()) {
        load.failure = "the filter's own path cannot be read from /proc/self/exe";
        return load;
    }
    // Every symbol is bound now: a module that does not fit this filter fails
    // here, not in the middle of a job.
    ModuleHandle module(::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL));
    if (!module) {
        load.failure = DlError();
        return load;
    }
    ::dlerror();
    void* entry = ::dlsym(module.get(), kPagePassEntryName);
    if (entry == nullptr) {
        load.failure = path + " has no " + kPagePassEntryName + " (" + DlError() + ")";
        return load;
    }
    const PagePassCalls* calls = reinterpret_cast<const PagePassCalls* (*)()>(entry)();
    if (calls == nullptr || !PagePassCallsMatch(*calls)) {
        load.failure = path + " was built for another version of the filter";
        return load;
    }
    module.release(); // kept for the life of the process
    load.calls = calls;
    return load;
}

const PagePassCalls* PagePassModule()
{
    static const PagePassCalls* const calls = [] {
        const std::string path = PagePassModulePath();
        PagePassLoad load = LoadPagePassModule(path);
        if (load.calls == nullptr)
            PutErrorMessage("The page pass module " +
                            (path.empty() ? std::string(QV_PAGEPASS_MODULE_NAME) : path) +
                            " cannot be loaded: " + load.failure + "\n");
        return load.calls;
    }();
    return calls;
}
