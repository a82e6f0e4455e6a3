// One entry of the constraint table: where in the PPD the other side of a
// constraint lies, so that the query can read that choice's marked flag
// without searching the PPD.
#pragma once

#include <cstdint>

// Group index (in the PPD's top-level group list), option index (within that
// group) and choice index (within that option). Kept in 16 bits each, the
// width the cache file's readers and writers agree on.
struct x_constraints {
    std::uint16_t group = 0;
    std::uint16_t option = 0;
    std::uint16_t choice = 0;

    friend bool operator==(const x_constraints&, const x_constraints&) = default;
    friend auto operator<=>(const x_constraints&, const x_constraints&) = default;
};
