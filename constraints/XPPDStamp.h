// The stamp line that opens a section of a constraint cache file: a prefix
// naming the dialog panel ("PrintFeaturePDE") and the system name.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The system version code 0x10MN of a release text "major.minor[.patch]":
// 0x1000 + ((16 * major + 0xFC0) & 0xFF0) + (minor & 0xF); 0x1000 when the
// text does not begin with a number.
std::uint32_t XppdVersionCode(std::string_view release);

// "Panther" for kernel major release 7 (code 0x103N), "Tiger" otherwise; every
// system after Panther reads the "Tiger" sections.
std::string_view XppdSystemName(std::string_view release);

// The prefix followed by the system name of the platform release.
std::string XppdStamp(std::string_view prefix);
