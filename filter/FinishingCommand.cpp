#include "filter/FinishingCommand.h"

#include "filter/FieldText.h"
#include "filter/PjlLine.h"

#include <array>

namespace {

struct StapleRow {
    std::string_view staple;
    std::string_view portrait;
    std::string_view landscape;
    std::string_view reverseLandscape;
};

constexpr std::array<StapleRow, 3> kStaplePositions = {{
    {"UpperLeftSinglePort", "TOPLEFT", "BOTTOMLEFT", "TOPRIGHT"},
    {"LeftDoublePort", "LEFTDUAL", "BOTTOMDUAL", "TOPDUAL"},
    {"TopDoublePort", "TOPDUAL", "LEFTDUAL", "RIGHTDUAL"},
}};

} // namespace

OrientationClass FindOrientationClass(const FeaturesOption& features)
{
    const std::string_view pageFormat = FieldText(features.pageFormatOrientation);
    const std::string_view printSettings = FieldText(features.printSettingsOrientation);
    const std::string_view requested = FieldText(features.requestedOrientation);
    if ((pageFormat == "2" && printSettings == "2") || requested == "4") return OrientationClass::Landscape;
    if ((pageFormat == "4" && printSettings == "4") || requested == "5")
        return OrientationClass::ReverseLandscape;
    return OrientationClass::Portrait;
}

std::optional<std::string_view> StaplePosition(std::string_view staple, OrientationClass orientation)
{
    for (const StapleRow& row : kStaplePositions) {
        if (row.staple != staple) continue;
        switch (orientation) {
        case OrientationClass::Portrait: return row.portrait;
        case OrientationClass::Landscape: return row.landscape;
        case OrientationClass::ReverseLandscape: return row.reverseLandscape;
        }
    }
    return std::nullopt;
}

std::string_view PunchPosition(OrientationClass orientation)
{
    switch (orientation) {
    case OrientationClass::Landscape: return "BOTTON";
    case OrientationClass::ReverseLandscape: return "TOP";
    case OrientationClass::Portrait: break;
    }
    return "LEFT";
}

void OutputFinishingCommand(std::string_view staple, std::string_view punch, const FeaturesOption& features)
{
    if (staple == "None" && punch == "None") return;
    const OrientationClass orientation = FindOrientationClass(features);
    const std::optional<std::string_view> staplePosition = StaplePosition(staple, orientation);

    if (punch == "True" || punch == "true") {
        // A staple writes its own FINISH=ON after the punch. Without one (no
        // staple, a printer without a stapler, or a choice with no position) the
        // punch must switch the finisher on itself, or the printer ignores it.
        if (!staplePosition) MakePJLCommand("SET", "FINISH", "ON");
        MakePJLCommand("SET", "PUNCH", PunchPosition(orientation));
    }
    if (staplePosition) {
        MakePJLCommand("SET", "FINISH", "ON");
        MakePJLCommand("SET", "STAPLE", *staplePosition);
    }
}
