#include "constraints/XPPDLookups.h"

#include "constraints/PpdTextEncoding.h"
#include "constraints/XPPDQuery.h"
#include "platform/PpdAttrLookup.h"

namespace {

ppd_option_t* FindOption(ppd_file_t* ppd, std::string_view keyword)
{
    if (ppd == nullptr) return nullptr;
    const std::string name(keyword);
    return ppdFindOption(ppd, name.c_str());
}

} // namespace

void GetUIListFromPPD(ppd_file_t* ppd, const XppdTable* table, std::string_view optionKeyword,
                      PpdChoiceList* list, int& rowCount)
{
    if (list == nullptr) return;
    const ppd_option_t* option = FindOption(ppd, optionKeyword);
    if (option == nullptr || option->num_choices <= 0 || option->choices == nullptr) return;
    list->reserve(list->size() + static_cast<std::size_t>(option->num_choices));
    for (int c = 0; c < option->num_choices; ++c) {
        const ppd_choice_t& choice = option->choices[c];
        const bool conflicted = IsPPDChoiceConflicted(ppd, table, option->keyword, choice.choice) != 0;
        list->push_back(PpdChoiceRow{option->keyword, choice.choice, PPDRecordTextToUTF8(ppd, choice.text),
                                     conflicted ? kConflictTrue : kConflictFalse});
        ++rowCount;
    }
}

void InitializeValueFromPPD(ppd_file_t* ppd, const XppdTable* table, PpdChoiceList* list,
                            std::string_view optionKeyword)
{
    if (FindOption(ppd, optionKeyword) == nullptr) return;
    int rowCount = 0;
    GetUIListFromPPD(ppd, table, optionKeyword, list, rowCount);
}

std::optional<std::string> GetUIDefaultFromPPD(ppd_file_t* ppd, std::string_view optionKeyword)
{
    const ppd_option_t* option = FindOption(ppd, optionKeyword);
    if (option == nullptr) return std::nullopt;
    return std::string(option->defchoice);
}

std::optional<std::string> GetUITitleFromPPD(ppd_file_t* ppd, std::string_view optionKeyword)
{
    const ppd_option_t* option = FindOption(ppd, optionKeyword);
    if (option == nullptr) return std::nullopt;
    return PPDRecordTextToUTF8(ppd, option->text);
}

int FindPPDKeyPairsMatch(std::span<const PpdChoiceRow> list, std::string_view optionKeyword,
                         std::string_view choiceKeyword)
{
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i].optionKeyword == optionKeyword && list[i].choiceKeyword == choiceKeyword) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool CDFKeyExist(ppd_file_t* ppd, std::string_view attributeName)
{
    return platform::FindPpdAttrByPrefix(ppd, attributeName.substr(0, kAttrNameFieldMax)) != nullptr;
}
