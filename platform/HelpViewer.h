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

namespace platform {

inline constexpr int kHelpNoError = 0;
inline constexpr int kHelpNotFound = -43; // no such book or page (fnfErr)
inline constexpr int kHelpBadParameter = -50;

class HelpViewer {
public:
    // The book's name: the bundle's "CFBundleHelpBookName", else its identifier.
    static std::string BookName(const Bundle& bundle);

    // AHRegisterHelpBook: remembers the bundle's help folder under the book's
    // name and records it in the registration file. kHelpNotFound when the
    // bundle has no help folder.
    int RegisterHelpBook(const Bundle& bundle);

    // The full path of a page (a path relative to the book's folder; empty for
    // the book's folder itself) of a registered book, for AHGotoPage.
    // kHelpNotFound for an unknown book or a missing page; kHelpBadParameter
    // for a page path that leaves the book's folder.
    int FindPage(std::string_view bookName, std::string_view pagePath, std::string& fullPath) const;

private:
    std::map<std::string, std::string, std::less<>> folders_; // book name to folder
};

} // namespace platform
