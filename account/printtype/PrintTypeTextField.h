// What the print-type text fields share (user ID, passcode, mailbox number,
// mailbox passcode, document name): the PrintTypeFormatter, messages whose
// "[n]" names the field's limit, checks that run only while the field is
// neither hidden nor disabled, a summary line (passcodes masked), and the
// read back of the field's own print-settings key, deciphering a passcode.
//
// The user ID and the document name live in the pane's shared blocks: showing
// copies the block into the field, taking a value copies the field into it.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "account/printtype/PrintTypeFormatter.h"
#include "panelkit/controls/TextEditCtrl.h"

class PrintTypeTextField : public TextEditCtrl {
public:
    ~PrintTypeTextField() override;

    // The records, the summary key, and the pane's shared block when the
    // value lives there (null: the field's own blocks).
    bool CreateControl(platform::ui::Widget* control, const TextEditIniData* iniData,
                       const CtrlAccessInfo* accessInfo, const TextEditFilterData* filterData,
                       const char* summaryKey, DataBlock* sharedBlock);
    // A PPD attribute whose ranges replace the filter's (the message stays),
    // unless the product type fixed the filter.
    void SetScopeAttribute(const char* attributeName) { scopeAttribute_ = attributeName; }

    bool InitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd) override;
    bool InitializeCtrlFormat() override;

    bool SetControlValueToUI() override;
    bool SetValueFromUIToControl() override;
    // The field's own ticket key read back (deciphered for a passcode), at
    // most 255 bytes of whole characters; NO without a key or a value.
    bool GetValueToPreset() override;

    // The filter's message.
    void ShowErrMsg() override;
    int GetSummaryText(SummaryDictionary& summary, SummaryOrder& order) override;

    // The value the field holds (the shared block's for shared fields).
    std::string_view StoredText() const;

protected:
    // An alert with the message of the key, its "[n]" replaced by MessageNumber().
    void ShowMessage(const char* key);
    // What replaces "[n]" in this field's messages; nothing leaves it.
    virtual std::optional<std::string> MessageNumber() const { return std::nullopt; }
    // Checks run only while the field is shown and enabled.
    bool IsChecked() const;
    // The text the OK button checks: the screen's, as last read.
    std::string_view UIText() const { return ctrlUIDataBlkPtr.Text(); }
    const char* FilterMessageKey() const;

private:
    const char* summaryKey_ = nullptr;
    DataBlock* sharedBlock_ = nullptr;
    const char* scopeAttribute_ = nullptr;
    const TextEditFilterData* recordFilter_ = nullptr;
    std::unique_ptr<TextEditFilterData> scopeFilter_;
    std::unique_ptr<PrintTypeFormatter> printTypeFormatter_;
};
