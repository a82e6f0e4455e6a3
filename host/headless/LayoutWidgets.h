// Fills a view from a layout resource: one widget per outlet, in the layout's
// order, with titles and menu items localised in the bundle's table and their
// keys kept beside them. Every toolkit behind the widget model builds its
// views and windows from layouts through this one step.
#pragma once

#include <string_view>

#include "platform/Bundle.h"
#include "platform/ui/Layout.h"
#include "platform/ui/View.h"

namespace host {

void AddLayoutWidgets(platform::ui::View& view, const platform::ui::Layout& layout,
                      const platform::Bundle& bundle, std::string_view table);

} // namespace host
