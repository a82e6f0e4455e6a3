// The separator window's page list: the pages before which a separator sheet
// goes in. The person types them as "10, 3,25"; the control keeps them sorted
// and space-separated ("3 10 25"), the form the print settings carry, and
// shows them back as "3,10,25".
#pragma once

#include <optional>
#include <string_view>

#include "features/windows/SeparatorPageList.h"
#include "panelkit/controls/TextEditCtrl.h"

class PFSepTextEditCtrl : public TextEditCtrl {
public:
    using TextEditCtrl::CreateControl;
    // titleInfo: the summary title's key; maxPageList: the most pages a list
    // may hold (the window passes 20).
    bool CreateControl(platform::ui::Widget* control, const TextEditIniData* iniData,
                       const CnstrnInfo* cnstrnInfo, const CtrlAccessInfo* accessInfo,
                       std::optional<platform::PreferenceUser> user, const TextEditFilterData* filterData,
                       const char* titleInfo, int maxPageList);

    // 0 valid, 1 bad list, 2 too many pages.
    PageInputResult IsPageInputValid(std::string_view text) const;

    // Whether the field is checked at all: shown, not constrained, with a
    // screen to read.
    bool ToValidate() const;
    // The typed text's length (1 to 99) and characters; "Message22c" when
    // they fail, an empty list included.
    bool PreInvalidateData() override;
    // The page list check: "Message22c" for a bad list, "Message22d" for too
    // many pages.
    bool InvalidateData() override;
    bool PreInvalidateDataOnCancel() override { return true; }
    // Cancelling with no list kept cannot leave a separator without pages:
    // "Message22c", and the window's Cancel button puts the separator list
    // back to its default.
    bool InvalidateDataOnCancel() override;
    // The alert of the message key, then the field takes the focus again.
    void ShowErrMsg(const char* messageKey);
    using TextEditCtrl::ShowErrMsg;
    // The message being shown, else the filter's.
    const char* GetErrMsgKey() const override
    {
        return shownMessageKey_ != nullptr ? shownMessageKey_ : TextEditCtrl::GetErrMsgKey();
    }
    // The page list's messages inform: the list stays for the person to mend.
    platform::ui::AlertStyle GetErrMsgStyle() const override
    {
        return platform::ui::AlertStyle::Informational;
    }

    // The stored form on screen as the shown form.
    bool SetControlValueToUI() override;
    // The typed list into the stored form (sorted, duplicates kept); an empty
    // screen empties the list.
    bool SetValueFromUIToControl() override;
    // The list under SeparatorPageTicket of the current print settings, when
    // it is a valid list; NO otherwise, so the empty default stands.
    bool GetValueToPreset() override;
    // The field keeps nothing in the preferences while it is hidden.
    bool SetValueToPreference() override;

    // The panel's separator is on and the field is shown.
    virtual bool ToGetSummaryText();
    // The summary title with the stored list.
    int GetSummaryText(SummaryDictionary& summary, SummaryOrder& order) override;

    std::string_view ControlClassName() const override { return "PFSepTextEditCtrl"; }

private:
    bool IsShown() const;

    const char* titletextRef = nullptr;
    int maxPageDefineNum = kSeparatorMaxPages;
    const char* shownMessageKey_ = nullptr;
};
