// The principal-class side of the print-dialog extension protocol: what the
// host asks of the object a bundle's factory creates. A bundle exports that
// factory and nothing else; the host finds it by name after loading the
// bundle's shared object.
#pragma once

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/Bundle.h"
#include "platform/PrintDialogHost.h"
#include "platform/PrintDialogPanel.h"

namespace platform {

class PrintDialogPlugin {
public:
    using PanelList = std::vector<std::unique_ptr<PrintDialogPanel>>;

    virtual ~PrintDialogPlugin() = default;

    virtual bool initWithBundle(std::shared_ptr<const Bundle> bundle) = 0;
    // New panels for the panel type, or nothing when there are none.
    virtual std::optional<PanelList> PDEPanelsForType(std::string_view panelType, PrintDialogHost* host) = 0;
};

// Name and type of the factory every bundle exports (QV_PLUGIN_FACTORY).
inline constexpr const char* kPluginFactorySymbol = "QvCreatePlugin";
using PluginFactory = PrintDialogPlugin* (*)();

} // namespace platform

// Defines a bundle's factory, the one symbol it exports, making the bundle's
// principal class: QV_PLUGIN_FACTORY(KPRINTFEATURESPLUGIN). The host owns the
// object it answers.
#define QV_PLUGIN_FACTORY(PrincipalClass)                                                                    \
    extern "C" __attribute__((visibility("default"))) platform::PrintDialogPlugin* QvCreatePlugin()          \
    {                                                                                                        \
        return std::make_unique<PrincipalClass>().release();                                                 \
    }
