// printdialog with a window: opens the display, lends the extensions the GTK
// toolkit and shows the dialog's window until Print or Cancel. With
// --screenshots it writes PNGs of every pane and window instead and ends.
//
// Exit status: 0 printed (or the screenshots written), 1 cancelled or
// nothing printed, 2 on bad input (no display, a printer or bundle that
// cannot be loaded, a bad -o).
#pragma once

#include <ostream>

#include "host/CommandLine.h"

namespace host {

int RunWindowDialog(const CommandLine& line, std::ostream& out, std::ostream& err);

} // namespace host
