// A bundle built like the two extensions, for the loading test. Its panel
// does what the extensions' panels do with the host's services (looks up its
// bundle, opens a help page, refuses a keystroke with a beep) and reports the
// outcome in its summary, so the host sees what the framework copy inside the
// module saw.
#include <memory>
#include <string>

#include "panelkit/PDEPlugin.h"
#include "panelkit/TextEditFormatter.h"
#include "panelkit/UtilityFunction.h"

namespace {

const TextEditFilterData kDigits = {{1, {{{48, 57}}}}, {1, {{{48, 57}}}}, nullptr};

class ProbePanel : public platform::PrintDialogPanel {
public:
    ProbePanel(platform::PrintDialogHost& host, AppIdentity identity)
        : host_(host), identity_(std::move(identity))
    {}

    std::string panelName() const override { return "Probe"; }
    std::string panelKind() const override { return GetAppClientID(identity_); }

    // Registers the help book and opens its page, as a help button does.
    void willShow() override
    {
        platform::HostServices& services = host_.hostServices();
        helpStatus_ = RegisterMyHelpBook(services, identity_);
        if (helpStatus_ != noErr) return;
        const std::shared_ptr<const platform::Bundle> bundle = GetAppBundleRef(services, identity_);
        helpStatus_ = GotoHelpPage(services, bundle.get(), "probe.htm", "top", "HelpBookName");
    }

    // A fourth digit typed into a three-digit field.
    bool shouldPrint() override
    {
        TextEditFormatter formatter;
        formatter.initWithFilter(&kDigits, 3, &host_.hostServices());
        std::u16string editing = u"123";
        return !formatter.isPartialStringValid(u"1234", &editing, nullptr);
    }

    void summaryInfo(std::map<std::string, std::string>& summary,
                     std::vector<std::string>& order) const override
    {
        const std::shared_ptr<const platform::Bundle> bundle =
            GetAppBundleRef(host_.hostServices(), identity_);
        summary["Bundle"] = bundle ? bundle->Path() : std::string();
        summary["Client"] = GetAppClientID(identity_);
        summary["Help"] = std::to_string(helpStatus_);
        order = {"Bundle", "Client", "Help"};
    }

private:
    platform::PrintDialogHost& host_;
    AppIdentity identity_;
    OSStatus helpStatus_ = 1; // not asked yet
};

class ProbePlugin : public PDEPlugin {
public:
    ProbePlugin() : PDEPlugin(QV_PROBE_CLIENT_ID) {}

protected:
    void MakePanels(platform::PrintDialogHost& host, PanelList& panels) override
    {
        panels.push_back(std::make_unique<ProbePanel>(host, identity));
    }
};

} // namespace

QV_PLUGIN_FACTORY(ProbePlugin)
