// One line of a dialog script, parsed: what a person does (choose, check,
// type, ...) to which control (TARGET), or what they ask of the dialog
// (panel, page, print, save, help, preset, dump).
#pragma once

#include <string>

#include "host/headless/PersonActions.h"

namespace host {

// A control of the shown panel or of its open window.
struct Target {
    enum class Kind {
        Tag,      // 123: the control's tag
        Keyword,  // QVColorMode: the PPD option keyword of a PPD-bound control
        TitleKey, // "Setup Button Title": the localisation key of its title
        Class,    // @PFWndOKButton or @PFWndOKButton#2: the N-th control of the class
    };
    Kind kind = Kind::Tag;
    int tag = 0;
    std::string text{}; // keyword, title key or class name
    int index = 1;      // Class: 1-based, in creation order
};

// A pop-up's menu item.
struct MenuItemRef {
    enum class Kind {
        Position, // #N, 1-based
        Keyword,  // a choice keyword (the item's key)
        Key,      // "key": the item's localisation key
    };
    Kind kind = Kind::Position;
    int position = 1;
    std::string text{};
};

struct ScriptAction {
    enum class Verb {
        Panel,
        Choose,
        Page,
        Check,
        Radio,
        Type,
        Step,
        Press,
        Print,
        Save,
        Help,
        PresetSave,
        PresetLoad,
        Dump
    };

    int line = 0;         // 1-based line of the script
    std::string source{}; // the line as written, for the log
    Verb verb = Verb::Dump;
    Target target;
    MenuItemRef item;
    std::string name{}; // panel word, preset name
    std::string text{}; // type: the text typed
    int page = 0;       // page: 1-based
    bool on = false;    // check
    StepDirection direction = StepDirection::Up;
};

} // namespace host
