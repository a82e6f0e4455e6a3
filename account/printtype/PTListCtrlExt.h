// The document-name list of the details windows: the document name is taken
// from the job (1, "Document Name Type Auto") or typed by the person (2,
// "Document Name Type Enter Name"). Its value lives in the pane's shared
// document-name type block, so all four windows show the same choice; value
// 1 disables the window's document name field and its title.
#pragma once

#include <string_view>

#include "panelkit/controls/PopupControl.h"

class PTListCtrlExt : public PopupControl {
public:
    // The list's records (default 1, or 2 for product types 2 and 3), its
    // rule, its summary key and the pane's shared block.
    bool CreateControl(platform::ui::Widget* control, const ListCtrlIniData* iniData, const CnstrnInfo* rule,
                       const char* summaryKey, DataBlock* sharedBlock);

    // Shows the shared block's value; 1 while the list is disabled, in the
    // block too.
    bool SetControlValueToUI() override;
    bool SetValueFromUIToControl() override;
    // The menu text of the shared value under the list's summary key.
    int GetSummaryText(SummaryDictionary& summary, SummaryOrder& order) override;

    std::string_view ControlClassName() const override { return "PTListCtrlExt"; }

private:
    const char* summaryKey_ = nullptr;
    DataBlock* sharedBlock_ = nullptr;
};
