// The formatter of the print-type text fields: a keystroke stands only when
// every character passes the field's ranges and the text stays within the
// field's maximum display length; otherwise "String too long." and a beep.
// That is the framework's text formatter rule, which it inherits whole.
#pragma once

#include "panelkit/TextEditFormatter.h"

class PrintTypeFormatter : public TextEditFormatter {};
