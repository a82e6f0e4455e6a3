#include "features/controls/PPDControlSupport.h"

#include <strings.h>

#include "constraints/XPPDLookups.h"
#include "features/FeatureKeyTables.h"
#include "features/KPRINTFEATURESPDE.h"
#include "panelkit/control/BaseControl.h"
#include "platform/TextEncoding.h"

KPRINTFEATURESPDE* FeaturesPanelOf(const BaseControl& control)
{
    return dynamic_cast<KPRINTFEATURESPDE*>(control.GetParentPanel());
}

ppd_file_t* CurrentPPDOf(const BaseControl& control)
{
    const BasePrintPanel* panel = control.GetParentPanel();
    return panel != nullptr ? panel->GetCurrentPPD() : nullptr;
}

const XppdTable* CurrentXppdOf(const BaseControl& control)
{
    const BasePrintPanel* panel = control.GetParentPanel();
    return panel != nullptr ? panel->Getxppd() : nullptr;
}

void RebuildChoiceList(const BaseControl& control, std::string_view keyword, PpdChoiceList& list)
{
    list.clear();
    const XppdTable* table = CurrentXppdOf(control);
    if (table == nullptr) return;
    InitializeValueFromPPD(CurrentPPDOf(control), table, &list, keyword);
}

bool MarkPPDChoice(ppd_file_t* ppd, std::string_view option, std::string_view choice)
{
    if (ppd == nullptr || option.empty() || choice.empty()) return false;
    const std::string optionText(option.substr(0, kMarkKeywordMax));
    const std::string choiceText(choice.substr(0, kMarkKeywordMax));
    return ppdMarkOption(ppd, optionText.c_str(), choiceText.c_str()) == 0;
}

bool SendPPDChoice(const BaseControl& control, std::string_view option, std::string_view choice)
{
    const BasePrintPanel* panel = control.GetParentPanel();
    platform::PrintDialogHost* callback = panel != nullptr ? panel->GetCurrentPDECallbackObj() : nullptr;
    if (callback == nullptr) return false;
    return callback->willChangePPDOptionKeyValue(option, choice);
}

bool MailboxDisables(const BaseControl& control, std::string_view keyword)
{
    const KPRINTFEATURESPDE* panel = FeaturesPanelOf(control);
    if (panel == nullptr || !panel->getPrintTypeMailbox()) return false;
    return KeyListHas(panel->getSavetoMailboxConstrainArray(), keyword) ||
           KeyListHas(panel->getSavetoMailboxConstrainandRestoreArray(), keyword);
}

bool MailboxRestoresDefault(const BaseControl& control, std::string_view keyword)
{
    const KPRINTFEATURESPDE* panel = FeaturesPanelOf(control);
    if (panel == nullptr || !panel->getPrintTypeMailbox()) return false;
    return KeyListHas(panel->getSavetoMailboxConstrainandRestoreArray(), keyword);
}

const PpdChoiceRow* EntryOfListValue(const PpdChoiceList& list, int32_t value)
{
    if (value < 1 || static_cast<std::size_t>(value) > list.size()) return nullptr;
    return &list[static_cast<std::size_t>(value) - 1];
}

const PpdChoiceRow* EntryOfCheckBoxValue(const PpdChoiceList& list, int32_t value)
{
    if (list.empty() || (value != 0 && value != 1)) return nullptr;
    const bool falseFirst = SameChoiceKeyword(list.front().choiceKeyword, "False");
    const std::size_t index = static_cast<std::size_t>(falseFirst ? value : 1 - value);
    return index < list.size() ? &list[index] : nullptr;
}

bool SameChoiceKeyword(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

std::string CutUtf8(std::string_view text, std::size_t maxBytes)
{
    if (text.size() <= maxBytes) return std::string(text);
    return std::string(platform::WithoutCutUtf8Tail(text.substr(0, maxBytes)));
}
