// What the accounting text fields share: checks that run only while the field
// is shown and enabled, the refusal of a value of spaces only (for the fields
// that do not allow it), the summary line (passwords masked), and the stored
// preference form. Below version code 0x1070 a value is kept as typed in the
// platform preferences; from 0x1070 on, passwords are kept enciphered in the
// print settings under their reference keys, and passwords and every
// input-window value enciphered in the per-printer cache files, so that no
// secret lies in clear in a file the system keeps.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "panelkit/controls/TextEditCtrl.h"

class JBATextField : public TextEditCtrl {
public:
    struct Options {
        const char* summaryKey = nullptr;
        bool spacesOnlyAllowed = false;
        bool inputWindowValue = false; // enciphered in the cache whatever its type
    };

    bool CreateControl(platform::ui::Widget* control, const TextEditIniData* iniData,
                       const CtrlAccessInfo* accessInfo, std::optional<platform::PreferenceUser> user,
                       const TextEditFilterData* filterData, Options options);

    // Spaces only (unless allowed), then the framework's length and range check.
    bool InvalidateData() override;

    bool ConvertToPreferenceString(std::span<char> buffer) override;
    bool ConvertFromPreferenceString(const char* string) override;
    // A hidden field keeps nothing: it is not the value the person chose.
    bool SetValueToPreference() override;
    bool SetValueToPreferenceWithPrinterSettings() override;
    bool GetValueFromPreferenceWithPrinterSettings() override;

    int GetSummaryText(SummaryDictionary& summary, SummaryOrder& order) override;

    // Empties the field, its text and stored length, on screen and in the blocks.
    void ClearValue();
    // Whether the checks apply: the field exists, is shown and enabled.
    bool IsChecked() const;
    bool IsPassword() const;
    std::string_view StoredText() const { return ctrlDataBlkPtr.Text(); }
    // The text last read from the screen.
    std::string_view UIText() const { return ctrlUIDataBlkPtr.Text(); }

    std::string_view ControlClassName() const override { return "JBATextField"; }

protected:
    // Shows the message of the key (the filter's when null) and takes the focus.
    void ShowMessage(const char* key);
    // Whether the stored form is enciphered on the path now used.
    bool IsStoredEnciphered() const;

private:
    using TextEditCtrl::CreateControl;

    Options options_;
    bool settingsPath_ = false; // a store or restore through the print settings is running
};
