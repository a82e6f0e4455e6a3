// The makers of the Features setup windows, one file a family: the margin
// windows (tab margin, booklet margin) and the count windows (separator,
// number in sequence, offset per page, offset per copy). Each answers the
// window of the panel's outlet, loaded from its layout, or null when the
// outlet is not of its family or the layout cannot be loaded. The panel
// registers the window, then has it make its controls.
#pragma once

#include <memory>

class FeaturesSetupWindow;
class KPRINTFEATURESPDE;

std::unique_ptr<FeaturesSetupWindow> CreateMarginWindow(KPRINTFEATURESPDE& panel, const char* outletName,
                                                        const char* titleKey);
std::unique_ptr<FeaturesSetupWindow> CreateCountWindow(KPRINTFEATURESPDE& panel, const char* outletName,
                                                       const char* titleKey);
