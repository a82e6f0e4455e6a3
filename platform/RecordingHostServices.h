// Host services without a screen: bundles are looked up in the host's
// registry, beeps are counted and help pages are recorded, so a headless host
// can report them and a test can see them.
#pragma once

#include <string>
#include <vector>

#include "platform/BundleRegistry.h"
#include "platform/HelpViewer.h"
#include "platform/HostServices.h"

namespace platform {

struct ShownHelpPage {
    std::string path;   // the page's full path
    std::string anchor; // may be empty
    bool operator==(const ShownHelpPage&) const = default;
};

class RecordingHostServices : public HostServices {
public:
    std::shared_ptr<const Bundle> BundleWithIdentifier(std::string_view identifier) const override;
    void Beep() override { ++beeps_; }
    int RegisterHelpBook(const Bundle& bundle) override { return help_.RegisterHelpBook(bundle); }
    int GotoHelpPage(std::string_view bookName, std::string_view pagePath, std::string_view anchor) override;
    ui::Toolkit* WidgetToolkit() override { return toolkit_; }

    // The toolkit to lend (not owned); none until set.
    void SetWidgetToolkit(ui::Toolkit* toolkit) { toolkit_ = toolkit; }

    BundleRegistry& Bundles() { return bundles_; }
    int BeepCount() const { return beeps_; }
    const std::vector<ShownHelpPage>& ShownPages() const { return pages_; }

private:
    BundleRegistry bundles_;
    HelpViewer help_;
    ui::Toolkit* toolkit_ = nullptr;
    int beeps_ = 0;
    std::vector<ShownHelpPage> pages_;
};

} // namespace platform
