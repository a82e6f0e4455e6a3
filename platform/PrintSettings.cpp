#include "platform/PrintSettings.h"

#include <algorithm>

namespace platform {

const PrintSettings::Entry* PrintSettings::Find(std::string_view key) const
{
    const auto it =
        std::find_if(entries_.begin(), entries_.end(), [&](const Entry& entry) { return entry.key == key; });
    return it == entries_.end() ? nullptr : &*it;
}

int PrintSettings::SetValue(std::string_view key, std::string_view value, bool locked)
{
    if (key.empty()) return paramErr;
    for (Entry& entry : entries_) {
        if (entry.key == key) {
            entry.value.assign(value);
            entry.locked = locked;
            return noErr;
        }
    }
    entries_.push_back(Entry{std::string(key), std::string(value), locked});
    return noErr;
}

int PrintSettings::GetValue(std::string_view key, std::string* value) const
{
    if (value == nullptr) return paramErr;
    const Entry* entry = Find(key);
    if (entry == nullptr) return kPMKeyNotFound;
    *value = entry->value;
    return noErr;
}

bool PrintSettings::IsLocked(std::string_view key) const
{
    const Entry* entry = Find(key);
    return entry != nullptr && entry->locked;
}

int PrintSettings::RemoveValue(std::string_view key)
{
    const auto it =
        std::find_if(entries_.begin(), entries_.end(), [&](const Entry& entry) { return entry.key == key; });
    if (it == entries_.end()) return kPMKeyNotFound;
    entries_.erase(it);
    return noErr;
}

} // namespace platform
