// The stamp line that opens a section of a constraint cache file: a prefix
// naming the dialog panel ("PrintFeaturePDE") and the system name.
#pragma once

#include <string>
#include <string_view>

// "Panther" for kernel major release 7 (version code 0x103N), "Tiger"
// otherwise; every system after Panther reads the "Tiger" sections.
std::string_view XppdSystemName(std::string_view release);

// The prefix followed by the system name of the platform release.
std::string XppdStamp(std::string_view prefix);
