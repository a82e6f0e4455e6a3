// The windows the Features panel's setup buttons and lists open (separator,
// tab margin, booklet margin, number in sequence, offset per page and per
// copy). The panel registers what this answers; a window that does not
// exist is not registered, and its button opens nothing.
#pragma once

#include <memory>

class KPRINTFEATURESPDE;
class PopupWinInPanel;

// The window of the panel's layout outlet, titled by the key; null while the
// window is not part of this extension.
std::unique_ptr<PopupWinInPanel> CreateFeaturesWindow(KPRINTFEATURESPDE& panel, const char* outletName,
                                                      const char* titleKey);
