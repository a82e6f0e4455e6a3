#include "platform/HelpViewer.h"

#include "platform/FileSystem.h"
#include "platform/PlatformPaths.h"
#include "platform/PlistHandle.h"

namespace platform {

namespace {

// Adds or replaces the bundle's entry in the registration file. Failures to
// write leave the in-process registration in place: the book still opens.
void RecordRegistration(const std::string& identifier, const std::string& name, const std::string& folder)
{
    const std::string file = HelpRegistrationFile();
    PlistHandle root = ReadPlistFile(file);
    if (!root || plist_get_node_type(root.get()) != PLIST_DICT) root.reset(plist_new_dict());

    plist_t books = plist_dict_get_item(root.get(), "RegisteredBooks");
    if (books == nullptr || plist_get_node_type(books) != PLIST_DICT) {
        plist_dict_set_item(root.get(), "RegisteredBooks", plist_new_dict());
        books = plist_dict_get_item(root.get(), "RegisteredBooks");
    }
    plist_t entry = plist_new_dict();
    plist_dict_set_item(entry, "name", plist_new_string(name.c_str()));
    plist_dict_set_item(entry, "url", plist_new_string(("file://" + folder + "/").c_str()));
    plist_t list = plist_new_array();
    plist_array_append_item(list, entry);
    plist_dict_set_item(books, identifier.c_str(), list);

    plist_t order = plist_dict_get_item(root.get(), "RegistrationOrder");
    if (order == nullptr || plist_get_node_type(order) != PLIST_ARRAY) {
        plist_dict_set_item(root.get(), "RegistrationOrder", plist_new_array());
        order = plist_dict_get_item(root.get(), "RegistrationOrder");
    }
    bool listed = false;
    for (uint32_t i = 0; i < plist_array_get_size(order); ++i) {
        if (PlistStringValue(plist_array_get_item(order, i)) == identifier) listed = true;
    }
    if (!listed) plist_array_append_item(order, plist_new_string(identifier.c_str()));

    CreateDirectories(ParentDirectory(file), 0755, std::string());
    WritePlistXmlFile(file, root.get(), true);
}

bool LeavesFolder(std::string_view path)
{
    if (path.empty() || path.front() == '/') return true;
    size_t start = 0;
    for (;;) {
        const size_t slash = path.find('/', start);
        if (path.substr(start, slash == std::string_view::npos ? path.npos : slash - start) == "..")
            return true;
        if (slash == std::string_view::npos) return false;
        start = slash + 1;
    }
}

} // namespace

std::string HelpViewer::BookName(const Bundle& bundle)
{
    return bundle.InfoString("CFBundleHelpBookName").value_or(bundle.Identifier());
}

int HelpViewer::RegisterHelpBook(const Bundle& bundle)
{
    const std::optional<std::string> folder = bundle.HelpDirectory();
    if (!folder) return fnfErr;
    const std::string name = BookName(bundle);
    folders_.insert_or_assign(name, *folder);
    const std::string identifier = bundle.Identifier();
    if (!identifier.empty()) RecordRegistration(identifier, name, *folder);
    return noErr;
}

int HelpViewer::FindPage(std::string_view bookName, std::string_view pagePath, std::string& fullPath) const
{
    const auto book = folders_.find(bookName);
    if (book == folders_.end()) return fnfErr;
    // No page: the book itself, whose start page the viewer picks.
    if (!pagePath.empty() && LeavesFolder(pagePath)) return paramErr;
    std::string page = pagePath.empty() ? book->second : book->second + "/" + std::string(pagePath);
    if (!FileExists(page)) return fnfErr;
    fullPath = std::move(page);
    return noErr;
}

} // namespace platform
