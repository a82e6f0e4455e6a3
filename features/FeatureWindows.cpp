#include "features/FeatureWindows.h"

#include "features/KPRINTFEATURESPDE.h"
#include "panelkit/panel/PopupWinInPanel.h"

// The margin, separator, number-in-sequence and offset-stacking windows are
// not part of the extension yet: none is made, so none is registered and the
// buttons and lists that would open one open nothing.
std::unique_ptr<PopupWinInPanel> CreateFeaturesWindow(KPRINTFEATURESPDE& /*panel*/,
                                                      const char* /*outletName*/, const char* /*titleKey*/)
{
    return nullptr;
}
