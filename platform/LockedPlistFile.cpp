#include "platform/LockedPlistFile.h"

#include <optional>

#include "platform/AtomicFile.h"
#include "platform/FileLock.h"

namespace platform {

PlistHandle ReadPlistRegularFile(const std::string& path)
{
    const FileReadResult file = ReadRegularFile(path, kMaxPlistFileBytes);
    if (file.status != FileReadStatus::Read) return PlistHandle();
    return ParsePlist(file.bytes);
}

bool UpdatePlistDictionaryFile(const std::string& path, const FileAccess& access,
                               const std::function<bool(plist_t dictionary)>& change)
{
    const std::optional<FileLock> lock = FileLock::Acquire(path, access);
    if (!lock) return false;

    const FileReadResult file = ReadRegularFile(path, kMaxPlistFileBytes);
    if (file.status != FileReadStatus::Read && file.status != FileReadStatus::Missing) return false;
    PlistHandle root = ParsePlist(file.bytes);
    if (!root || plist_get_node_type(root.get()) != PLIST_DICT) root.reset(plist_new_dict());
    if (!root || !change(root.get())) return false;

    const std::optional<std::string> xml = PlistXmlText(root.get());
    return xml && ReplaceFileAtomically(path, *xml, access);
}

} // namespace platform
