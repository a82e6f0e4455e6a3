// The hash of the constraint table's keys ("option:choice").
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// h = 5 * h + b over the key's bytes, each taken as a signed 8-bit value, in
// unsigned 64-bit arithmetic. Cache files and tables made by other builds of
// the dialog extensions hash the same way.
std::uint64_t qvHash(std::string_view key);

// qvHash as a hasher for the standard unordered containers; transparent, so
// a lookup by std::string_view needs no std::string.
struct QvHasher {
    using is_transparent = void;
    std::size_t operator()(std::string_view key) const { return static_cast<std::size_t>(qvHash(key)); }
    std::size_t operator()(const std::string& key) const { return operator()(std::string_view(key)); }
    std::size_t operator()(const char* key) const { return operator()(std::string_view(key)); }
};
