#include "constraints/XPPDBuild.h"

#include <strings.h>

#include <algorithm>
#include <cctype>
#include <limits>
#include <optional>
#include <unordered_set>

namespace {

constexpr int kMaxIndex = std::numeric_limits<std::uint16_t>::max();

// An option of a top-level group, with its place in the PPD.
struct FoundOption {
    const ppd_option_t* option;
    int group;
    int index;
};

std::string Lowered(std::string_view text)
{
    std::string lowered(text);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lowered;
}

// Keywords (lower case) of the options that lie in a subgroup. libcups files
// such options under their enclosing group, but it keeps the OpenSubGroup and
// CloseSubGroup lines as attributes in file order, with each option's
// Default line between them; that is how they are told apart here.
std::unordered_set<std::string> SubgroupOptionKeywords(ppd_file_t* ppd)
{
    std::unordered_set<std::string> keywords;
    if (ppdFindAttr(ppd, "OpenSubGroup", nullptr) == nullptr) return keywords;
    bool inSubgroup = false;
    for (int i = 0; i < ppd->num_attrs; ++i) {
        const std::string_view name(ppd->attrs[i]->name);
        if (name == "OpenSubGroup") {
            inSubgroup = true;
        } else if (name == "CloseSubGroup") {
            inSubgroup = false;
        } else if (inSubgroup && name.starts_with("Default")) {
            keywords.insert(Lowered(name.substr(7)));
        }
    }
    return keywords;
}

// Search the options of the top-level groups only, by case-insensitive
// keyword; options of subgroups are never found.
std::optional<FoundOption> FindTopLevelOption(const ppd_file_t& ppd, const char* keyword,
                                              const std::unordered_set<std::string>& inSubgroups)
{
    if (!inSubgroups.empty() && inSubgroups.contains(Lowered(keyword))) return std::nullopt;
    for (int g = 0; g < ppd.num_groups; ++g) {
        const ppd_group_t& group = ppd.groups[g];
        for (int o = 0; o < group.num_options; ++o) {
            if (strcasecmp(group.options[o].keyword, keyword) == 0) {
                return FoundOption{&group.options[o], g, o};
            }
        }
    }
    return std::nullopt;
}

int FindChoiceIndex(const ppd_option_t& option, const char* choice)
{
    for (int c = 0; c < option.num_choices; ++c) {
        if (strcasecmp(option.choices[c].choice, choice) == 0) return c;
    }
    return -1;
}

// The place of a choice, or nothing when an index does not fit the table's
// 16-bit fields (a truncated index would point at some other choice).
std::optional<x_constraints> PlaceOf(const FoundOption& found, int choice)
{
    if (found.group > kMaxIndex || found.index > kMaxIndex || choice > kMaxIndex) return std::nullopt;
    return x_constraints{static_cast<std::uint16_t>(found.group), static_cast<std::uint16_t>(found.index),
                         static_cast<std::uint16_t>(choice)};
}

std::string KeyOf(const FoundOption& found, int choice)
{
    std::string key(found.option->keyword);
    key += ':';
    key += found.option->choices[choice].choice;
    return key;
}

bool AddEntry(XppdTable& table, const FoundOption& keyOption, int keyChoice, const FoundOption& valueOption,
              int valueChoice)
{
    const auto place = PlaceOf(valueOption, valueChoice);
    if (!place) return false;
    table.Insert(KeyOf(keyOption, keyChoice), *place);
    return true;
}

// The constraint at the index with both of its options found, or nothing.
struct ResolvedConstraint {
    const ppd_const_t* constraint;
    FoundOption option1;
    FoundOption option2;
};

std::optional<ResolvedConstraint> Resolve(ppd_file_t* ppd, XppdTable* table, int constraintIndex,
                                          const std::unordered_set<std::string>& inSubgroups)
{
    if (ppd == nullptr || table == nullptr) return std::nullopt;
    if (constraintIndex < 0 || constraintIndex >= ppd->num_consts) return std::nullopt;
    const ppd_const_t& constraint = ppd->consts[constraintIndex];
    const auto option1 = FindTopLevelOption(*ppd, constraint.option1, inSubgroups);
    if (!option1) return std::nullopt;
    const auto option2 = FindTopLevelOption(*ppd, constraint.option2, inSubgroups);
    if (!option2) return std::nullopt;
    return ResolvedConstraint{&constraint, *option1, *option2};
}

using SubgroupSet = std::unordered_set<std::string>;

std::size_t BuildO1C1O2C2(ppd_file_t* ppd, XppdTable* table, int index, const SubgroupSet& inSubgroups)
{
    const auto resolved = Resolve(ppd, table, index, inSubgroups);
    if (!resolved) return 0;
    const int choice1 = FindChoiceIndex(*resolved->option1.option, resolved->constraint->choice1);
    const int choice2 = FindChoiceIndex(*resolved->option2.option, resolved->constraint->choice2);
    if (choice1 < 0 || choice2 < 0) return 0;
    return AddEntry(*table, resolved->option2, choice2, resolved->option1, choice1) ? 1 : 0;
}

std::size_t BuildO1C1O2(ppd_file_t* ppd, XppdTable* table, int index, const SubgroupSet& inSubgroups)
{
    const auto resolved = Resolve(ppd, table, index, inSubgroups);
    if (!resolved) return 0;
    const int choice1 = FindChoiceIndex(*resolved->option1.option, resolved->constraint->choice1);
    if (choice1 < 0) return 0;
    std::size_t added = 0;
    const ppd_option_t& option2 = *resolved->option2.option;
    for (int c2 = 0; c2 < option2.num_choices; ++c2) {
        if (!IsEligibleChoice(option2, c2)) continue;
        if (AddEntry(*table, resolved->option2, c2, resolved->option1, choice1)) ++added;
    }
    return added;
}

std::size_t BuildO1O2C2(ppd_file_t* ppd, XppdTable* table, int index, const SubgroupSet& inSubgroups)
{
    const auto resolved = Resolve(ppd, table, index, inSubgroups);
    if (!resolved) return 0;
    const int choice2 = FindChoiceIndex(*resolved->option2.option, resolved->constraint->choice2);
    if (choice2 < 0) return 0;
    std::size_t added = 0;
    const ppd_option_t& option1 = *resolved->option1.option;
    for (int c1 = 0; c1 < option1.num_choices; ++c1) {
        if (!IsEligibleChoice(option1, c1)) continue;
        if (AddEntry(*table, resolved->option2, choice2, resolved->option1, c1)) ++added;
    }
    return added;
}

std::size_t BuildO1O2(ppd_file_t* ppd, XppdTable* table, int index, const SubgroupSet& inSubgroups)
{
    const auto resolved = Resolve(ppd, table, index, inSubgroups);
    if (!resolved) return 0;
    std::size_t added = 0;
    const ppd_option_t& option1 = *resolved->option1.option;
    const ppd_option_t& option2 = *resolved->option2.option;
    for (int c1 = 0; c1 < option1.num_choices; ++c1) {
        if (!IsEligibleChoice(option1, c1)) continue;
        for (int c2 = 0; c2 < option2.num_choices; ++c2) {
            if (!IsEligibleChoice(option2, c2)) continue;
            if (AddEntry(*table, resolved->option2, c2, resolved->option1, c1)) ++added;
        }
    }
    return added;
}

std::size_t BuildByShape(ppd_file_t* ppd, XppdTable* table, int index, const SubgroupSet& inSubgroups)
{
    const ppd_const_t& constraint = ppd->consts[index];
    const bool hasChoice1 = constraint.choice1[0] != '\0';
    const bool hasChoice2 = constraint.choice2[0] != '\0';
    if (hasChoice1 && hasChoice2) return BuildO1C1O2C2(ppd, table, index, inSubgroups);
    if (hasChoice1) return BuildO1C1O2(ppd, table, index, inSubgroups);
    if (hasChoice2) return BuildO1O2C2(ppd, table, index, inSubgroups);
    return BuildO1O2(ppd, table, index, inSubgroups);
}

SubgroupSet SubgroupsOf(ppd_file_t* ppd)
{
    return ppd != nullptr ? SubgroupOptionKeywords(ppd) : SubgroupSet{};
}

} // namespace

bool IsEligibleChoice(const ppd_option_t& option, int choiceIndex)
{
    if (choiceIndex <= 0 || choiceIndex >= option.num_choices) return false;
    const char* name = option.choices[choiceIndex].choice;
    return strcasecmp(name, "None") != 0 && strcasecmp(name, "Off") != 0 && strcasecmp(name, "False") != 0;
}

std::size_t xConst2Hash_O1C1O2C2(ppd_file_t* ppd, XppdTable* table, int constraintIndex)
{
    return BuildO1C1O2C2(ppd, table, constraintIndex, SubgroupsOf(ppd));
}

std::size_t xConst2Hash_O1C1O2(ppd_file_t* ppd, XppdTable* table, int constraintIndex)
{
    return BuildO1C1O2(ppd, table, constraintIndex, SubgroupsOf(ppd));
}

std::size_t xConst2Hash_O1O2C2(ppd_file_t* ppd, XppdTable* table, int constraintIndex)
{
    return BuildO1O2C2(ppd, table, constraintIndex, SubgroupsOf(ppd));
}

std::size_t xConst2Hash_O1O2(ppd_file_t* ppd, XppdTable* table, int constraintIndex)
{
    return BuildO1O2(ppd, table, constraintIndex, SubgroupsOf(ppd));
}

std::size_t AddConstraintToXppd(ppd_file_t* ppd, XppdTable* table, int constraintIndex)
{
    if (ppd == nullptr || table == nullptr) return 0;
    if (constraintIndex < 0 || constraintIndex >= ppd->num_consts) return 0;
    return BuildByShape(ppd, table, constraintIndex, SubgroupsOf(ppd));
}

void BuildXppdFromConstraints(ppd_file_t* ppd, XppdTable* table,
                              std::span<const std::string> keywordFilterList)
{
    if (ppd == nullptr || table == nullptr || ppd->num_consts <= 0 || ppd->consts == nullptr) return;
    const std::unordered_set<std::string_view> listed(keywordFilterList.begin(), keywordFilterList.end());
    const SubgroupSet inSubgroups = SubgroupOptionKeywords(ppd);
    // The index runs over the whole list: a 16-bit counter would never reach
    // the end of a PPD with more than 65535 constraints.
    for (int i = 0; i < ppd->num_consts; ++i) {
        const ppd_const_t& constraint = ppd->consts[i];
        if (!listed.contains(constraint.option1) && !listed.contains(constraint.option2)) continue;
        BuildByShape(ppd, table, i, inSubgroups);
    }
}
