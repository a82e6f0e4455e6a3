// The titled box around a group of controls. It has no value and takes part
// in no rule, so it is no BaseControl: it only localises its title.
#pragma once

#include "platform/Bundle.h"
#include "platform/ui/Widget.h"

class GroupBoxControl {
public:
    // Stores the box and its title key.
    bool CreateControl(platform::ui::Widget* box, const char* title);
    // The title key localised in the bundle's default table (the key itself
    // when the table lacks it) becomes the box's title. NO without a bundle,
    // box or key.
    bool InitializeTitle(const platform::Bundle* bundle);

    platform::ui::Widget* GetControlPtr() const { return ControlPtr; }

private:
    platform::ui::Widget* ControlPtr = nullptr; // owned by its view
    const char* controlTitleStrRef = nullptr;
};
