// A label of the Print Type pane or one of its windows: the framework's
// static text, named for the pane so that the host can tell them apart.
#pragma once

#include "panelkit/controls/StaticTextEditControl.h"

class PTStaticTextEditControl : public StaticTextEditControl {
public:
    std::string_view ControlClassName() const override { return "PTStaticTextEditControl"; }
};
