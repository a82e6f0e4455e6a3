// Small files read and rewritten safely in folders other users can write to:
// no symbolic link is followed, nothing but a regular file is read or
// replaced, and a reader sees the old or the new content, never a mixture.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/FileAccess.h"

namespace platform {

enum class FileReadStatus {
    Read,       // `bytes` holds the whole file
    Missing,    // nothing at the path
    NotRegular, // a symbolic link, folder, device, pipe or socket is there
    TooLarge,   // the file holds more than the limit
    Failed,     // the file is there but could not be read (no permission, I/O error)
};

struct FileReadResult {
    FileReadStatus status = FileReadStatus::Failed;
    std::string bytes;
};

// Reads a whole regular file of at most maxBytes. The open does not follow a
// symbolic link at the path, nor wait on a pipe, and what was opened is
// checked to be a regular file.
FileReadResult ReadRegularFile(const std::string& path, std::size_t maxBytes);

// Replaces the file at `path` with `bytes`: they go into a new file of an
// unpredictable name in the same folder (created exclusively, never through a
// link), which is given `access`, flushed to disk and renamed over the path.
// Refuses (false) when something other than a regular file is at the path. On
// failure the path keeps what it held and the new file is removed. No lock is
// taken: callers that read, change and write back hold a FileLock around it.
bool ReplaceFileAtomically(const std::string& path, std::string_view bytes, const FileAccess& access);

// Writes `bytes` into the regular file at `path` in place (created with the
// mode a new file gets when missing), for callers that must keep the file's
// inode. Refuses a symbolic link or anything else than a regular file there.
bool OverwriteRegularFile(const std::string& path, std::string_view bytes);

// The permission bits and group of the regular file at `path` (not through a
// link): nothing when no regular file is there.
std::optional<FileAccess> RegularFileAccess(const std::string& path);

} // namespace platform
