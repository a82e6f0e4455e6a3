// The document name (up to 12 display units; empty and spaces only are
// fine), checked only while the document-name list asks for a typed name.
// Kept in the pane's shared document-name block.
#pragma once

#include "account/printtype/PrintTypeTextField.h"

class PTDUTextEditCtrl : public PrintTypeTextField {
public:
    bool InvalidateData() override { return !IsChecked() || TextEditCtrl::InvalidateData(); }

    std::string_view ControlClassName() const override { return "PTDUTextEditCtrl"; }
};
