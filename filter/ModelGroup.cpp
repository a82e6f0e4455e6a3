#include "filter/ModelGroup.h"

#include "filter/UtilityFunctionFilter.h"

#include <algorithm>
#include <array>
#include <span>

namespace {

constexpr std::array<std::string_view, 3> kGroupA1 = {"RX41", "RX42", "RX43"};
constexpr std::array<std::string_view, 4> kGroupA2 = {"RY51", "RY52", "RY53", "RY54"};
constexpr std::array<std::string_view, 6> kGroupB = {"KZ61", "KZ62", "KZ63", "KZ64", "KZ65", "KZ66"};
constexpr std::array<std::string_view, 3> kGroupC = {"WT71", "WT72", "WT73"};
constexpr std::array<std::string_view, 4> kGroupCPlus = {"WT71", "WT72", "WT73", "WT74"};
constexpr std::array<std::string_view, 1> kGroupX = {"VN81"};
constexpr std::array<std::string_view, 2> kGroupD = {"VN82", "VN83"};

std::span<const std::string_view> TokensOf(ModelGroup group)
{
    switch (group) {
    case ModelGroup::A1: return kGroupA1;
    case ModelGroup::A2: return kGroupA2;
    case ModelGroup::B: return kGroupB;
    case ModelGroup::C: return kGroupC;
    case ModelGroup::CPlus: return kGroupCPlus;
    case ModelGroup::X: return kGroupX;
    case ModelGroup::D: return kGroupD;
    }
    return {};
}

} // namespace

bool IsModelInGroup(std::string_view modelName, ModelGroup group)
{
    const auto tokens = TokensOf(group);
    return std::any_of(tokens.begin(), tokens.end(), [modelName](std::string_view token) {
        return modelName.find(token) != std::string_view::npos;
    });
}

std::optional<std::string_view> FindModelName(ppd_file_t* ppd)
{
    if (ppd == nullptr) return std::nullopt;
    const ppd_attr_t* attr = ppdFindAttr_ALT(ppd, "ModelName");
    if (attr == nullptr || attr->value == nullptr) return std::nullopt;
    return std::string_view(attr->value);
}

std::string_view BypassTrayName(std::optional<std::string_view> modelName)
{
    if (!modelName) return {};
    const std::string_view name = *modelName;
    // The groups are tried in this order: a name with tokens of two groups
    // takes the value of the first.
    if (IsModelInGroup(name, ModelGroup::A1) || IsModelInGroup(name, ModelGroup::A2)) return "SMH";
    if (IsModelInGroup(name, ModelGroup::B)) return "TRAY5";
    if (IsModelInGroup(name, ModelGroup::CPlus)) return "SMH";
    if (IsModelInGroup(name, ModelGroup::X)) return "TRAY5";
    if (IsModelInGroup(name, ModelGroup::D)) return "SMH";
    return "TRAY5";
}

std::string_view ThickPaper2Name(std::optional<std::string_view> modelName)
{
    if (!modelName) return {};
    const std::string_view name = *modelName;
    if (IsModelInGroup(name, ModelGroup::A1)) return "SUPERTHICK";
    if (IsModelInGroup(name, ModelGroup::A2)) return "THICK2";
    if (IsModelInGroup(name, ModelGroup::B)) return "SUPERTHICK";
    if (IsModelInGroup(name, ModelGroup::C)) return "THICK2";
    return "SUPERTHICK";
}
