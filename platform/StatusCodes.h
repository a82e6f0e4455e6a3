// Status codes of the services this layer stands in for, under the original
// platform's names and with its numbers, so that a status passes unchanged
// from a service through the framework to the panel that reports it.
#pragma once

#include <cstdint>

using OSStatus = std::int32_t;
using OSErr = std::int32_t;

inline constexpr OSStatus noErr = 0;
inline constexpr OSStatus fnfErr = -43;            // file not found
inline constexpr OSStatus paramErr = -50;          // bad parameter
inline constexpr OSStatus memFullErr = -108;       // out of memory / cannot make the text
inline constexpr OSStatus kPMKeyNotFound = -30891; // printing manager: key or value not found
