// The per-printer preference cache: one dictionary property-list file per
// printer for values shared by all users, and one per printer and login name
// for a user's own values, in a folder that every user may write to.
//
// The folder is shared by every user, so each store takes the file's lock,
// reads the dictionary without following links, and renames a whole new file
// over the old one: no store of another dialog is lost and no reader sees
// half a file.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Name of the cache folder inside the Application Support root: the vendor's name.
inline constexpr const char* kPreferenceCacheFolderName = "QUORVEL";

// "<ApplicationSupportDir()>/QUORVEL".
std::string PreferenceCacheFolder();

// Whether a printer ID may name a cache file: not empty, no '/' and no NUL
// byte, not "." or "..".
bool IsSafePrinterID(std::string_view printerID);

// The cache file's name: the printer ID for shared values, "<printerID>-<login>"
// for a user's values. Nothing when the printer ID or the login name is not a
// safe name by the rule above.
std::optional<std::string> PreferenceCacheFileName(std::string_view printerID,
                                                   std::optional<std::string_view> loginName);

// Stores key=value (texts) in the dictionary of the cache file <folder>/<fileName>,
// under the lock, atomically.
//
// A missing folder is created, with the folders above it, with permissions
// 0777 and group AdminGroupName(); when that fails the store answers false
// unless `sandboxed`, in which case it goes on and the write decides. The file
// is written with permissions 0664 and group AdminGroupName() when `shared`,
// else 0644 (a missing file is created so, and a rewritten one is put back
// so). Modes are set explicitly, so the umask does not change them. A group
// the user may not give (not a member, or no such group) leaves the file in
// the user's group with the same permissions: the value is kept rather than
// lost over its group.
//
// A file that cannot be read as a dictionary is replaced by a new dictionary
// holding the value; otherwise every other key is kept. Refuses (false) an
// unsafe fileName, an empty key, a key or value that an XML property list
// cannot hold unchanged (invalid UTF-8, control characters other than tab and
// line feed), a symbolic link or anything else than a folder at `folder`, a
// symbolic link or anything else than a regular file at the file's path or at
// its lock file, and a file that is there but cannot be read.
bool StorePreferenceCacheValue(const std::string& folder, std::string_view fileName, bool shared,
                               std::string_view key, std::string_view value, bool sandboxed);

// The text stored under the key; nothing when the folder, the file (or a
// regular file: links are not followed) or the key is missing, or the value is
// not a text (or a text holding a zero byte, which no store writes).
std::optional<std::string> LoadPreferenceCacheValue(const std::string& folder, std::string_view fileName,
                                                    std::string_view key);

} // namespace platform
