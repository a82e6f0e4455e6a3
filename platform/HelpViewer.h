// The help books a host knows. A bundle's help book is its help folder;
// registering it records the book in the help registration file
// (RegisteredBooks: identifier to a list of {name, url}; RegistrationOrder:
// identifiers), and going to a page finds the page's path, which the host
// then shows. The host owns one and offers it through HostServices.
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "platform/Bundle.h"
#include "platform/StatusCodes.h"

namespace platform {

class HelpViewer {
public:
    // The book's name: the bundle's "CFBundleHelpBookName", else its identifier.
    static std::string BookName(const Bundle& bundle);

    // AHRegisterHelpBook: remembers the bundle's help folder under the book's
    // name and records it in the registration file. fnfErr when the
    // bundle has no help folder.
    int RegisterHelpBook(const Bundle& bundle);

    // The full path of a page (a path relative to the book's folder; empty for
    // the book's folder itself) of a registered book, for AHGotoPage.
    // fnfErr for an unknown book or a missing page; paramErr
    // for a page path that leaves the book's folder.
    int FindPage(std::string_view bookName, std::string_view pagePath, std::string& fullPath) const;

private:
    std::map<std::string, std::string, std::less<>> folders_; // book name to folder
};

} // namespace platform
