// Help books. A bundle's help book is its help folder; registering it records
// the book in the help registration file (RegisteredBooks: identifier to a list
// of {name, url}; RegistrationOrder: identifiers), and going to a page hands
// the page's path to the host, which shows it.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "platform/Bundle.h"

namespace platform {

inline constexpr int kHelpNoError = 0;
inline constexpr int kHelpNotFound = -43; // no such book, page or viewer (fnfErr)
inline constexpr int kHelpBadParameter = -50;

class HelpViewer {
public:
    // The host's viewer: gets the page's full path and the anchor (may be
    // empty) and answers a status, 0 when it shows the page.
    using PageHandler = std::function<int(const std::string& pagePath, const std::string& anchor)>;
    static void SetPageHandler(PageHandler handler);

    // The book's name: the bundle's "CFBundleHelpBookName", else its identifier.
    static std::string BookName(const Bundle& bundle);

    // AHRegisterHelpBook: remembers the bundle's help folder under the book's
    // name and records it in the registration file. kHelpNotFound when the
    // bundle has no help folder.
    static int RegisterHelpBook(const Bundle& bundle);

    // AHGotoPage: the page (a path relative to the book's folder; empty for
    // the book's folder itself) of a
    // registered book. kHelpNotFound for an unknown book, a missing page or no
    // viewer; kHelpBadParameter for a page path that leaves the book's folder.
    static int GotoPage(std::string_view bookName, std::string_view pagePath, std::string_view anchor);
};

} // namespace platform
