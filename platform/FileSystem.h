// The few file operations of the preference cache: folders and empty files
// created with a mode and, where the caller asks, a group owner.
#pragma once

#include <string>
#include <sys/types.h>

namespace platform {

bool FileExists(const std::string& path); // any kind of entry
bool DirectoryExists(const std::string& path);

// Creates the folder and any missing parents, each with the mode (umask not
// applied, as the original set the permissions explicitly). The group owner
// is set on the folders created when group is not empty; a group that does
// not exist or cannot be given is left as it is, because a non-root user may
// not hand folders to a group it is not in. Answers whether the folder exists
// afterwards.
bool CreateDirectories(const std::string& path, mode_t mode, const std::string& group);

// Creates an empty file with the mode and, when group is not empty, the group
// owner (best effort as above). Fails when the file exists already.
bool CreateEmptyFile(const std::string& path, mode_t mode, const std::string& group);

// The parent folder of a path ("" for a bare name).
std::string ParentDirectory(const std::string& path);

} // namespace platform
