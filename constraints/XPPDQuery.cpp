#include "constraints/XPPDQuery.h"

#include <array>
#include <string>

const ppd_choice_t* ChoiceAtPlace(const ppd_file_t& ppd, const x_constraints& place)
{
    if (ppd.groups == nullptr || place.group >= ppd.num_groups) return nullptr;
    const ppd_group_t& group = ppd.groups[place.group];
    if (group.options == nullptr || place.option >= group.num_options) return nullptr;
    const ppd_option_t& option = group.options[place.option];
    if (option.choices == nullptr || place.choice >= option.num_choices) return nullptr;
    return &option.choices[place.choice];
}

namespace {

bool AnyPlaceMarked(const ppd_file_t& ppd, const XppdTable& table, std::string_view key)
{
    for (const x_constraints& place : table.Find(key)) {
        const ppd_choice_t* choice = ChoiceAtPlace(ppd, place);
        if (choice != nullptr && choice->marked) return true;
    }
    return false;
}

} // namespace

int IsPPDChoiceConflicted(ppd_file_t* ppd, const XppdTable* table, std::string_view optionKeyword,
                          std::string_view choiceKeyword)
{
    if (ppd == nullptr || table == nullptr) return 0;
    // PPD keywords are at most 40 bytes, so the key nearly always fits here
    // and the query allocates nothing; longer text takes the heap.
    std::array<char, 128> buffer;
    const std::size_t length = optionKeyword.size() + 1 + choiceKeyword.size();
    if (length <= buffer.size()) {
        optionKeyword.copy(buffer.data(), optionKeyword.size());
        buffer[optionKeyword.size()] = ':';
        choiceKeyword.copy(buffer.data() + optionKeyword.size() + 1, choiceKeyword.size());
        return AnyPlaceMarked(*ppd, *table, std::string_view(buffer.data(), length)) ? 1 : 0;
    }
    std::string key(optionKeyword);
    key += ':';
    key += choiceKeyword;
    return AnyPlaceMarked(*ppd, *table, key) ? 1 : 0;
}
