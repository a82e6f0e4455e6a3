// The print platform's release text: what the original read from the kernel
// (sysctl kern.osrelease, "major.minor.patch") and turned into the system
// version code that selects the preference store and the constraint-cache stamp.
//
// Linux kernel releases say nothing about the print platform, so the text here
// is a constant that places us on the newest code paths. Tests set the
// environment variable QV_PLATFORM_RELEASE (for example "7.9.0" or "11.4.2")
// to exercise the older paths; an unset or empty variable gives the default.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// Default release: Darwin 17, whose version code 0x10D0 is above 0x1080.
inline constexpr const char* kDefaultPlatformRelease = "17.0.0";

// Name of the environment variable that overrides the release text.
inline constexpr const char* kPlatformReleaseVariable = "QV_PLATFORM_RELEASE";

// The release text, "major.minor.patch"; read anew on every call so that a
// test can change the variable between calls (callers cache what they need).
std::string PlatformRelease();

// The system version code 0x10MN of a release text:
// 0x1000 + (((major - 4) * 16) & 0xFF0) + (minor & 0xF), where major is the
// leading number and minor the number after the first dot, 0 when there is
// none ("17" is 0x10D0, as "17.0.0" is). A text that does not begin with a
// digit has no release in it and gives 0x1000. Numbers of any length keep
// their low bits, which are all the code uses.
std::uint32_t SystemVersionCode(std::string_view release);

// The version code of the platform's release text.
std::uint32_t SystemVersionCode();

} // namespace platform
