// The job's print settings (the "ticket"): text values under text keys, each
// with a locked flag, kept in the order they were first set so that the host
// hands them to CUPS as job options in a stable order.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/StatusCodes.h"

namespace platform {

class PrintSettings {
public:
    struct Entry {
        std::string key;
        std::string value;
        bool locked = false;
    };

    // Stores the value under the key (replacing an earlier one, whose position
    // is kept). An empty key is refused with paramErr.
    int SetValue(std::string_view key, std::string_view value, bool locked);

    // Copies the value of the key into *value; kPMKeyNotFound when absent,
    // paramErr when value is null.
    int GetValue(std::string_view key, std::string* value) const;

    // Whether the key is present and locked.
    bool IsLocked(std::string_view key) const;

    // Removes the key; kPMKeyNotFound when absent.
    int RemoveValue(std::string_view key);

    const std::vector<Entry>& Entries() const { return entries_; }

private:
    const Entry* Find(std::string_view key) const;

    std::vector<Entry> entries_;
};

} // namespace platform
