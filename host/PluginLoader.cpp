#include "host/PluginLoader.h"

#include <dirent.h>
#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>

#include "platform/FileSystem.h"

namespace host {

namespace {

constexpr std::string_view kBundleSuffix = ".plugin";

struct DirCloser {
    void operator()(DIR* dir) const { closedir(dir); }
};

std::vector<std::string> BundleFolders(const std::string& folder)
{
    std::vector<std::string> names;
    const std::unique_ptr<DIR, DirCloser> dir(opendir(folder.c_str()));
    if (!dir) return names;
    while (const dirent* entry = readdir(dir.get())) {
        const std::string_view name = entry->d_name;
        if (name.size() > kBundleSuffix.size() &&
            name.substr(name.size() - kBundleSuffix.size()) == kBundleSuffix &&
            platform::DirectoryExists(folder + "/" + std::string(name)))
            names.emplace_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string ProgramFolder()
{
    std::string path(4096, '\0');
    const ssize_t length = readlink("/proc/self/exe", path.data(), path.size() - 1);
    if (length <= 0) return ".";
    path.resize(static_cast<size_t>(length));
    return platform::ParentDirectory(path);
}

// The shared object: the information dictionary's CFBundleExecutable, else
// the folder's name without ".plugin", with ".so".
std::string ModulePath(const platform::Bundle& bundle, const std::string& folderName)
{
    std::string name = bundle.InfoString("CFBundleExecutable")
                           .value_or(folderName.substr(0, folderName.size() - kBundleSuffix.size()));
    if (name.find('/') != std::string::npos) return {};
    if (name.size() < 3 || name.compare(name.size() - 3, 3, ".so") != 0) name += ".so";
    return bundle.Path() + "/" + name;
}

bool LoadOne(const std::string& folder, const std::string& name, platform::RecordingHostServices& services,
             LoadedPlugin& loaded, std::string& error)
{
    const std::string path = folder + "/" + name;
    loaded.folder = path;
    std::optional<platform::Bundle> bundle = platform::Bundle::Open(path);
    if (!bundle) {
        error = "the bundle " + path + " does not load: not a folder";
        return false;
    }
    loaded.bundle = std::make_shared<const platform::Bundle>(std::move(*bundle));
    // Registered first: the principal class may look its bundle up as it starts.
    services.Bundles().Register(loaded.bundle);
    const std::string module = ModulePath(*loaded.bundle, name);
    if (module.empty()) {
        error = "the bundle " + path + " does not load: a bad CFBundleExecutable";
        return false;
    }
    loaded.module.reset(dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL));
    if (!loaded.module) {
        error = "the bundle " + path + " does not load: " + dlerror();
        return false;
    }
    const auto factory =
        reinterpret_cast<platform::PluginFactory>(dlsym(loaded.module.get(), platform::kPluginFactorySymbol));
    if (factory == nullptr) {
        error = "the bundle " + path + " does not load: no " + platform::kPluginFactorySymbol;
        return false;
    }
    loaded.plugin.reset(factory());
    if (!loaded.plugin || !loaded.plugin->initWithBundle(loaded.bundle)) {
        error = "the bundle " + path + " does not load: its principal class was not made";
        return false;
    }
    return true;
}

} // namespace

void ModuleCloser::operator()(void* module) const { dlclose(module); }

std::string PluginFolder(const std::optional<std::string>& commandLine, bool& explicitly)
{
    explicitly = true;
    if (commandLine) return *commandLine;
    const char* variable = std::getenv("QV_PLUGIN_PATH");
    if (variable != nullptr && *variable != '\0') return variable;
    explicitly = false;
    return ProgramFolder() + "/" + QV_INSTALLED_PLUGIN_FOLDER;
}

std::optional<std::vector<LoadedPlugin>> LoadPlugins(const std::string& folder, bool explicitly,
                                                     platform::RecordingHostServices& services,
                                                     std::string& error)
{
    std::vector<LoadedPlugin> plugins;
    if (!platform::DirectoryExists(folder)) {
        if (!explicitly) return plugins;
        error = "no plug-in folder " + folder;
        return std::nullopt;
    }
    for (const std::string& name : BundleFolders(folder)) {
        LoadedPlugin& loaded = plugins.emplace_back();
        if (!LoadOne(folder, name, services, loaded, error)) return std::nullopt;
    }
    return plugins;
}

} // namespace host
