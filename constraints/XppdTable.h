// The constraint table: a hash multimap from "option:choice" to the places of
// the choices whose marked state makes that choice conflicted.
#pragma once

#include "constraints/QvHash.h"
#include "constraints/XConstraints.h"

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Bucket count hint every table starts with; the table grows past it.
inline constexpr std::size_t kXppdBucketHint = 100;

// Entries sharing a key are kept together, in the order they were added, so a
// query reads all of them with one hash lookup. Duplicates are kept: a PPD
// that states a constraint twice, or a cache file that lists an entry twice,
// gives two entries, and the query answers the same either way.
class XppdTable {
public:
    explicit XppdTable(std::size_t bucketHint = kXppdBucketHint);

    // Add one entry under the key.
    void Insert(std::string_view key, x_constraints value);

    // Every entry under the key, in the order added; empty when there is none.
    std::span<const x_constraints> Find(std::string_view key) const;

    // Number of entries (not keys).
    std::size_t Size() const { return size_; }
    std::size_t KeyCount() const { return entries_.size(); }
    bool Empty() const { return size_ == 0; }
    void Clear();

    // The keys in byte order: the cache writer walks them this way so that one
    // PPD always gives the same file, whatever the hash layout.
    std::vector<std::string_view> SortedKeys() const;

    // Every (key, entry) pair, keys in byte order, entries in the order added.
    std::vector<std::pair<std::string, x_constraints>> SortedEntries() const;

private:
    std::unordered_map<std::string, std::vector<x_constraints>, QvHasher, std::equal_to<>> entries_;
    std::size_t size_ = 0;
};
