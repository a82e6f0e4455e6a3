// Dictionary property-list files that several processes read and change: read
// without following links, changed under the file's lock, replaced atomically.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "platform/FileAccess.h"
#include "platform/PlistHandle.h"

namespace platform {

// The largest dictionary file read: far above what the callers keep (a few
// hundred short values), small enough to hold in memory.
inline constexpr std::size_t kMaxPlistFileBytes = 4u << 20;

// The property list of the regular file at `path`, not through a link; null
// when the file is missing, not a regular file, larger than
// kMaxPlistFileBytes, unreadable or no property list. Takes no lock: a
// rewrite renames a whole new file over the old one.
PlistHandle ReadPlistRegularFile(const std::string& path);

// Holding the file's FileLock, reads the dictionary at `path`, lets `change`
// edit it and writes it back in XML form with ReplaceFileAtomically and
// `access`. A missing file, or one that holds no dictionary (damaged, another
// kind of property list, not a property list at all), starts from an empty
// dictionary, which drops what the file held: it could not be read as values
// anyway. False, with the file untouched, when something other than a regular
// file is at the path or at its lock file, when the file is there but cannot
// be read or is larger than kMaxPlistFileBytes, when the lock is not granted,
// when `change` answers false, and when the write fails.
bool UpdatePlistDictionaryFile(const std::string& path, const FileAccess& access,
                               const std::function<bool(plist_t dictionary)>& change);

} // namespace platform
