// A text field: its value is NUL-terminated UTF-8 text in 256-byte blocks,
// and ctrlDataSize is the text's display length. Keystrokes pass the
// field's formatter (character ranges and maximum length); reading the
// screen keeps at most 100 display units; committing checks the minimum and
// maximum length and the ranges, and refuses with the filter's message.
#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string_view>

#include "panelkit/InputFilter.h"
#include "panelkit/TextEditFormatter.h"
#include "panelkit/control/BaseControl.h"
#include "panelkit/control/IniDataRecords.h"
#include "platform/ui/Alert.h"

// Text read from a field is cut to this display length.
inline constexpr int kTextEditScreenLength = 100;

class TextEditCtrl : public BaseControl {
public:
    TextEditCtrl() = default;
    // Takes its formatter off the field, which may outlive the control.
    ~TextEditCtrl() override;

    using BaseControl::CreateControl;
    // Stores the widget and the records, the user when given.
    bool CreateControl(platform::ui::Widget* control, const TextEditIniData* iniData,
                       const CnstrnInfo* cnstrnInfo, const CtrlAccessInfo* accessInfo,
                       std::optional<platform::PreferenceUser> user, const TextEditFilterData* filterData);

    // Base initialisation, both 256-byte blocks zeroed, the PPD remembered,
    // then the formatter.
    bool InitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd) override;
    // The formatter again.
    bool ReInitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd) override;
    // With both records, the field's own formatter (NewFormatter) becomes
    // the field's; it beeps through the parent panel's host.
    virtual bool InitializeCtrlFormat();

    // The data block's text on screen (with a CtrlAccessInfo); ctrlDataSize
    // becomes its display length.
    bool SetControlValueToUI() override;
    // Shows UTF-8 text that did not come from the data block.
    bool SetExternalValueToUI(const void* bytes, std::size_t size) override;
    // The default text into the data block; ctrlDataSize its byte length.
    bool SetControlValueToDefault() override;
    // The field's text cut to 100 display units into the UI data block.
    const unsigned char* GetValueFromUI() override;
    // The UI text into the cleared data block (nothing to copy when empty).
    bool SetValueFromUIToControl() override;

    // The text, at most the buffer's size - 1 bytes, never a split character.
    bool ConvertToPreferenceString(std::span<char> buffer) override;
    // A restored text that is not UTF-8 is refused (the default stands).
    bool ConvertFromPreferenceString(const char* string) override;
    bool ConvertToTickectData(std::span<char> buffer) override;

    bool PreInvalidateData() override { return true; }
    // YES for an empty field or without a record; YES when the length lies
    // within the record's range and the filter accepts the text; otherwise
    // the filter's message and NO.
    bool InvalidateData() override;
    // The same decision without the message.
    bool InvalidateDataAndReturnError() override;
    // An alert with the field's message (GetErrMsgKey), then the field takes
    // the focus again.
    virtual void ShowErrMsg();
    // The localisation key of the refusal message: the filter's.
    virtual const char* GetErrMsgKey() const;
    // The style of that alert: a warning.
    virtual platform::ui::AlertStyle GetErrMsgStyle() const { return platform::ui::AlertStyle::Warning; }
    // Empties the field and the UI data block.
    virtual void CorrectCtrlUI();
    void** GetUIData() { return &uiData; }
    virtual const void* GetCorrectedData() { return nullptr; }
    virtual int OnRawKeyUp(int /*keyCode*/) { return 0; }

    const void* GetDefaultDataBlk() override;
    uint32_t GetDefaultDataSize() override;

    const TextEditFormatter* GetFormatter() const { return formatter_.get(); }

    std::string_view ControlClassName() const override { return "TextEditCtrl"; }

protected:
    // The length and range checks of InvalidateData.
    bool IsUIValueValid() const;
    // The formatter InitializeCtrlFormat installs: the filter and the maximum
    // length. Fields with a number form of their own answer theirs.
    virtual std::unique_ptr<TextEditFormatter> NewFormatter(platform::HostServices* services);

    const TextEditIniData* textEditIniDataPtr = nullptr;
    const TextEditFilterData* textEditFilterDataPtr = nullptr;
    void* uiData = nullptr;
    ppd_file_t* ppdFile = nullptr;

private:
    std::unique_ptr<TextEditFormatter> formatter_;
};
