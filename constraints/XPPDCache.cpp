#include "constraints/XPPDCache.h"

#include "constraints/CQuickXPPD.h"
#include "constraints/XPPDLookups.h"
#include "constraints/XPPDStamp.h"
#include "platform/PpdAttrLookup.h"

#include <sys/stat.h>

#include <fstream>

bool getoneline(std::string_view& source, std::string& field, char separator)
{
    const std::size_t at = source.find(separator);
    if (at == std::string_view::npos) return false;
    field.assign(source.substr(0, at));
    source.remove_prefix(at + 1);
    return true;
}

int GetXPPD(ppd_file_t* ppd, XppdTable* table, std::string_view stampPrefix, std::string_view attributeName)
{
    if (ppd == nullptr || table == nullptr) return 1;
    const ppd_attr_t* attr = platform::FindPpdAttrByPrefix(ppd, attributeName.substr(0, kAttrNameFieldMax));
    if (attr == nullptr || attr->value == nullptr || attr->value[0] == '\0') return 1;
    // Only a regular file can hold a table: opening a named pipe blocks until
    // someone writes to it, and a device such as /dev/zero never ends.
    struct stat status {};
    if (::stat(attr->value, &status) != 0 || !S_ISREG(status.st_mode)) return 1;
    std::ifstream file(attr->value, std::ios::in | std::ios::binary);
    if (!file.is_open()) return 1;
    CQuickXPPD reader(ppd, table, XppdStamp(stampPrefix));
    file >> reader;
    return 0;
}
