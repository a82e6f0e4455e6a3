// Opening one of the filter's module files (the page pass and raster pass
// modules) and finding its entry point. The caller checks the table the entry
// returns and keeps the module loaded for the life of the process.
#pragma once

#include <dlfcn.h>

#include <memory>
#include <string>
#include <utility>

struct ModuleCloser {
    void operator()(void* handle) const { ::dlclose(handle); }
};
using ModuleHandle = std::unique_ptr<void, ModuleCloser>;

struct OpenedModule {
    ModuleHandle handle;   // null on failure
    void* entry = nullptr; // the entry point, on success
    std::string failure;   // why, on failure
};

// Every symbol is bound at once: a module that does not fit this filter fails
// here, not in the middle of a job.
inline OpenedModule OpenModuleEntry(const std::string& path, const char* entryName)
{
    const auto loaderError = [] {
        const char* text = ::dlerror();
        return std::string(text != nullptr ? text : "unknown error");
    };
    OpenedModule opened;
    ModuleHandle module(::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL));
    if (!module) {
        opened.failure = loaderError();
        return opened;
    }
    ::dlerror();
    opened.entry = ::dlsym(module.get(), entryName);
    if (opened.entry == nullptr) {
        opened.failure = "it has no " + std::string(entryName) + " (" + loaderError() + ")";
        return opened;
    }
    opened.handle = std::move(module);
    return opened;
}
