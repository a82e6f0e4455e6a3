// PPD value lookups of the UtilityFunction unit.
#include "panelkit/UtilityFunction.h"

#include "platform/PpdAttrLookup.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace {

const char* AttrValue(const ppd_attr_t* attr) { return attr->value != nullptr ? attr->value : ""; }

} // namespace

ppd_attr_t* ppdFindAttr_ALT(ppd_file_t* ppd, const char* name)
{
    return name != nullptr ? platform::FindPpdAttrByPrefix(ppd, name) : nullptr;
}

bool CheckPPDKeyIsExist(ppd_file_t* ppd, const char* keyword)
{
    return ppd != nullptr && keyword != nullptr && ppdFindOption(ppd, keyword) != nullptr;
}

int GetValueFromPPD(ppd_file_t* ppd, const char* keyword, std::span<const char* const> strings)
{
    if (ppd == nullptr || keyword == nullptr) return -1;
    const ppd_option_t* option = ppdFindOption(ppd, keyword);
    if (option == nullptr) return -1;
    for (size_t i = 0; i < strings.size(); ++i) {
        if (strings[i] != nullptr && std::strcmp(strings[i], option->defchoice) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

int getIntFromString(std::string_view bytes)
{
    long long number = 0;
    for (char c : bytes) {
        if (c < '0' || c > '9') continue;
        number = number * 10 + (c - '0');
        if (number > INT_MAX) number = INT_MAX;
    }
    return static_cast<int>(number);
}

int GetPWMiniIntValueFromPPD(ppd_file_t* ppd, const char* keyword)
{
    if (ppd == nullptr || keyword == nullptr) return -1;
    const ppd_option_t* option = ppdFindOption(ppd, keyword);
    if (option == nullptr) return -1;
    const std::string_view choice(option->defchoice, strnlen(option->defchoice, sizeof(option->defchoice)));
    return getIntFromString(choice.substr(0, 255));
}

int GetPellorPWMiniIntValueFromPPD(ppd_file_t* ppd, const char* attributeName)
{
    if (ppd == nullptr || attributeName == nullptr) return -1;
    const ppd_attr_t* attr = ppdFindAttr_ALT(ppd, attributeName);
    if (attr == nullptr) return -1;
    for (const char* p = AttrValue(attr); *p != '\0'; ++p) {
        char* end = nullptr;
        errno = 0;
        const long number = std::strtol(p, &end, 10);
        if (end != p) {
            if (number > INT_MAX) return INT_MAX;
            if (number < INT_MIN) return INT_MIN;
            return static_cast<int>(number);
        }
    }
    return -1;
}

std::unique_ptr<TextEditFilterData> CopyPellorScopeInfoFromPPD(ppd_file_t* ppd, const char* attributeName)
{
    if (ppd == nullptr || attributeName == nullptr) return nullptr;
    const ppd_attr_t* attr = ppdFindAttr_ALT(ppd, attributeName);
    if (attr == nullptr) return nullptr;

    auto data = std::make_unique<TextEditFilterData>();
    *data = TextEditFilterData{};
    InputFilterData& words = data->wordFilter;
    bool haveLow = false;
    long low = 0;
    const char* p = AttrValue(attr);
    while (*p != '\0') {
        char* end = nullptr;
        const long number = std::strtol(p, &end, 10);
        if (number > 65535) return nullptr;
        if (!haveLow) {
            low = number;
            haveLow = true;
        } else {
            if (number < low) return nullptr;
            words.ranges[words.count] =
                InputFilterRange{static_cast<int32_t>(low), static_cast<int32_t>(number)};
            ++words.count;
            haveLow = false;
            // The record holds 20 ranges: parsing ends with the twentieth pair.
            if (words.count == InputFilterData::kMaxRanges) break;
        }
        p = end;
        if (*p != '\0') ++p; // exactly one separator, never past the end
    }
    return data;
}

int GetMBMaxNumberFromPPD(ppd_file_t* ppd, const char* attributeName)
{
    if (ppd == nullptr || attributeName == nullptr) return 0;
    const ppd_attr_t* attr = ppdFindAttr_ALT(ppd, attributeName);
    if (attr == nullptr) return 0;
    // The value's bytes are already in the PPD's own encoding, and every
    // encoding a PPD can declare writes the digits as ASCII.
    return getIntFromString(std::string_view(AttrValue(attr)).substr(0, 3));
}

int GetIndexOfMarkedOptionWithKey(const ppd_option_t* option, ppd_file_t* ppd, const char* keyword)
{
    if (option == nullptr || ppd == nullptr || keyword == nullptr) return -1;
    const ppd_choice_t* marked = ppdFindMarkedChoice(ppd, keyword);
    const char* wanted = marked != nullptr ? marked->choice : option->defchoice;
    for (int i = 0; i < option->num_choices; ++i) {
        if (std::strcmp(option->choices[i].choice, wanted) == 0) return i;
    }
    return -1;
}

std::optional<std::vector<PDEChoice>> ArrayFromPPDOption(const ppd_option_t* option)
{
    if (option == nullptr) return std::nullopt;
    std::vector<PDEChoice> choices;
    choices.reserve(static_cast<size_t>(option->num_choices > 0 ? option->num_choices : 0));
    for (int i = 0; i < option->num_choices; ++i)
        choices.push_back(PDEChoice::choiceWithChoice(&option->choices[i]));
    return choices;
}
