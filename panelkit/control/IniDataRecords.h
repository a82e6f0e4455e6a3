// Initial-data records of the standard controls: each holds the default value
// and the initial value (-1 for integer controls: "no previous value" in the
// constraint rules) at fixed positions. Static tables beside their panel.
#pragma once

#include <cstdint>

// CheckBox and RadioButton.
struct CheckBoxIniData {
    uint32_t reserved0;
    int32_t defaultValue; // 0 off, 1 on
    int32_t iniValue;     // -1
    uint32_t reserved1;
    const char* titleKey;
    const char* summaryTitleKey; // RadioButton records only
};

// PopupControl.
struct ListCtrlIniData {
    uint32_t reserved0;
    int32_t defaultValue; // 1-based item number
    int32_t iniValue;     // -1
    uint32_t reserved1;
    const char* const* itemKeys; // null-terminated list of the items' localisation keys
};

// TextEditCtrl and StaticTextEditControl. Lengths are display lengths.
struct TextEditIniData {
    char iniText[256];
    char defaultText[256];
    uint32_t minLength;
    uint32_t maxLength;
    uint32_t reserved;
};

// LittleArray (a stepper).
struct LittleArrayIniData {
    uint32_t reserved0;
    int32_t defaultValue;
    int32_t iniValue;
    int32_t minimum;
    int32_t maximum;
    int32_t step; // 1 in every table; not read
    uint32_t reserved1;
    uint32_t reserved2;
};
