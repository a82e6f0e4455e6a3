#include "filter/PagePassModule.h"

#include "filter/ErrorMessage.h"
#include "filter/ModuleFile.h"

#include <unistd.h>

#include <vector>

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
    OpenedModule module = OpenModuleEntry(path, kPagePassEntryName);
    if (!module.handle) {
        load.failure = module.failure;
        return load;
    }
    const PagePassCalls* calls = reinterpret_cast<const PagePassCalls* (*)()>(module.entry)();
    if (calls == nullptr || !PagePassCallsMatch(*calls)) {
        load.failure = "it was built for another version of the filter";
        return load;
    }
    (void)module.handle.release(); // kept for the life of the process
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
