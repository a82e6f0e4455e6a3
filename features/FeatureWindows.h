// The windows the Features panel's setup buttons and lists open (separator,
// tab margin, booklet margin, number in sequence, offset per page and per
// copy). The panel registers what this answers; a window that does not
// exist is not registered, and its button opens nothing.
#pragma once

#include <memory>

class KPRINTFEATURESPDE;
class FeaturesSetupWindow;

// The window of the panel's layout outlet, titled by the key, its controls
// not made yet; null when it cannot be made.
std::unique_ptr<FeaturesSetupWindow> CreateFeaturesWindow(KPRINTFEATURESPDE& panel, const char* outletName,
                                                          const char* titleKey);
