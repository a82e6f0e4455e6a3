#include "constraints/XppdTable.h"

#include <algorithm>

XppdTable::XppdTable(std::size_t bucketHint) : entries_(bucketHint) {}

void XppdTable::Insert(std::string_view key, x_constraints value)
{
    auto it = entries_.find(key);
    if (it == entries_.end()) it = entries_.emplace(std::string(key), std::vector<x_constraints>{}).first;
    it->second.push_back(value);
    ++size_;
}

std::span<const x_constraints> XppdTable::Find(std::string_view key) const
{
    const auto it = entries_.find(key);
    if (it == entries_.end()) return {};
    return it->second;
}

void XppdTable::Clear()
{
    entries_.clear();
    size_ = 0;
}

std::vector<std::string_view> XppdTable::SortedKeys() const
{
    std::vector<std::string_view> keys;
    keys.reserve(entries_.size());
    for (const auto& [key, values] : entries_) keys.emplace_back(key);
    std::sort(keys.begin(), keys.end());
    return keys;
}

std::vector<std::pair<std::string, x_constraints>> XppdTable::SortedEntries() const
{
    std::vector<std::pair<std::string, x_constraints>> all;
    all.reserve(size_);
    for (std::string_view key : SortedKeys()) {
        for (const x_constraints& value : Find(key)) all.emplace_back(std::string(key), value);
    }
    return all;
}
