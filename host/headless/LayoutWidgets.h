// Fills a view from a layout resource: one widget per outlet, in the layout's
// order, with titles and menu items localised in the bundle's table and their
// keys kept beside them. Every toolkit behind the widget model builds its
// views and windows from layouts through this one step.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "platform/Bundle.h"
#include "platform/ui/Layout.h"
#include "platform/ui/View.h"

namespace host {

class HeadlessSession;

// Reads a layout of the bundle; one that cannot be used is entered in the
// session's log with the reason (and said on `say` at once, when given), and
// nothing comes back.
std::optional<platform::ui::Layout> ReadLayoutOrRecord(const platform::Bundle& bundle,
                                                       std::string_view layoutName, HeadlessSession& log,
                                                       std::ostream* say = nullptr);

// A window's title from its layout, localised; empty when it names none.
std::string LayoutWindowTitle(const platform::ui::Layout& layout, const platform::Bundle& bundle,
                              std::string_view table);

void AddLayoutWidgets(platform::ui::View& view, const platform::ui::Layout& layout,
                      const platform::Bundle& bundle, std::string_view table);

} // namespace host
