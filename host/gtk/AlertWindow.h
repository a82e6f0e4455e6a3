// An alert on the screen: the bundle's alert icon, the message in bold, the
// informative text and the buttons, the first (the default) rightmost, as
// the extensions' alerts look on their own platform. It runs modally in a
// nested main loop and answers the index of the button pressed.
#pragma once

#include "host/gtk/ScreenSession.h"
#include "platform/ui/Alert.h"

namespace host {

int RunAlertWindow(ScreenSession& session, const platform::ui::Alert& alert);

} // namespace host
