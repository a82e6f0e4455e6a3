// Staple and punch lines. Positions are named on the sheet as it leaves the
// printer, so the same staple choice lands on a different edge for each way the
// page is turned.
#pragma once

#include "filter/PrintOptions.h"

#include <optional>
#include <string_view>

enum class OrientationClass { Portrait, Landscape, ReverseLandscape };

// Landscape when both orientation keys of the print dialog say 2 or CUPS's
// orientation-requested is 4; reverse landscape likewise for 4, 4 and 5;
// portrait otherwise.
OrientationClass FindOrientationClass(const FeaturesOption& features);

// STAPLE value of a "QVStaple" choice; none for "None" and for choices the
// printer has no position for.
std::optional<std::string_view> StaplePosition(std::string_view staple, OrientationClass orientation);

// PUNCH value: the hole edge for the orientation ("BOTTON" is the printer's own
// spelling).
std::string_view PunchPosition(OrientationClass orientation);

// FINISH, PUNCH and STAPLE lines for the staple and punch choices (after the PPD
// defaults are applied). Every PUNCH or STAPLE line is preceded by FINISH=ON so
// that the finisher is switched on for it.
void OutputFinishingCommand(std::string_view staple, std::string_view punch, const FeaturesOption& features);
