// Loading the extension bundles of the plug-in folder as the print dialog
// does: each "NAME.plugin" folder, in name order, is opened as a bundle and
// registered with the host's services, its shared object is loaded with
// dlopen, and its principal class is made by the one symbol the bundle
// exports (kPluginFactorySymbol) and given its bundle (initWithBundle).
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/PrintDialogPlugin.h"
#include "platform/RecordingHostServices.h"

namespace host {

struct ModuleCloser {
    void operator()(void* module) const;
};
using ModuleHandle = std::unique_ptr<void, ModuleCloser>;

// One loaded bundle. Members are destroyed in reverse order: the principal
// class, whose code lives in the module, goes before the module is closed.
struct LoadedPlugin {
    std::string folder;
    std::shared_ptr<const platform::Bundle> bundle;
    ModuleHandle module;
    std::unique_ptr<platform::PrintDialogPlugin> plugin;
};

// Where the plug-in folder is: --plugins, else $QV_PLUGIN_PATH, else the
// installed folder (QV_INSTALLED_PLUGIN_FOLDER, set by the build, relative
// to the program's own folder, so an installed tree may be moved). `explicitly` tells whether a person named
// it.
std::string PluginFolder(const std::optional<std::string>& commandLine, bool& explicitly);

// Every bundle of the folder; nothing, with a message in `error`, when one of
// them does not load (or an explicitly named folder is missing). A missing
// installed folder gives no bundles.
std::optional<std::vector<LoadedPlugin>> LoadPlugins(const std::string& folder, bool explicitly,
                                                     platform::RecordingHostServices& services,
                                                     std::string& error);

} // namespace host
