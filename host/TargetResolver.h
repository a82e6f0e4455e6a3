// Finding what a script line names: the control (TARGET) among the widgets
// of a view (the shown panel's, or the open window's content), and the item
// of a pop-up's menu.
#pragma once

#include <optional>
#include <string>

#include <cups/ppd.h>

#include "host/ScriptAction.h"
#include "platform/ui/View.h"

namespace host {

// The first widget, in creation order, that the target names; null, with a
// message in `error`, when there is none.
platform::ui::Widget* ResolveTarget(const platform::ui::View& view, const Target& target, std::string& error);

// The 0-based index of the pop-up's item; nothing, with `error`, when the
// menu has no such item. A keyword is an item's key (represented object);
// for a PPD-bound pop-up it may also be the PPD choice whose text an item
// shows.
std::optional<int> ResolveMenuItem(const platform::ui::Widget& popUp, const MenuItemRef& item,
                                   ppd_file_t* ppd, std::string& error);

// "tag 12", "QVColorMode", "\"Setup Button Title\"", "@PFWndOKButton#2".
std::string DescribeTarget(const Target& target);

} // namespace host
