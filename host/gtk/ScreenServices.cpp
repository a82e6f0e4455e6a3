#include "host/gtk/ScreenServices.h"

#include <gtk/gtk.h>

#include <iostream>
#include <string>

#include "platform/StatusCodes.h"

namespace host {

void ScreenServices::Beep()
{
    RecordingHostServices::Beep();
    if (GdkDisplay* display = gdk_display_get_default()) gdk_display_beep(display);
}

int ScreenServices::GotoHelpPage(std::string_view bookName, std::string_view pagePath,
                                 std::string_view anchor)
{
    const int status = RecordingHostServices::GotoHelpPage(bookName, pagePath, anchor);
    if (status != noErr || ShownPages().empty()) return status;
    const platform::ShownHelpPage& page = ShownPages().back();
    char* uri = g_filename_to_uri(page.path.c_str(), nullptr, nullptr);
    if (uri == nullptr) return status;
    std::string target = uri;
    g_free(uri);
    if (!page.anchor.empty()) target += "#" + page.anchor;
    // The browser runs on its own; the dialog does not wait for it.
    const char* argv[] = {"xdg-open", target.c_str(), nullptr};
    GError* error = nullptr;
    if (!g_spawn_async(nullptr, const_cast<char**>(argv), nullptr, G_SPAWN_SEARCH_PATH, nullptr, nullptr,
                       nullptr, &error)) {
        std::cerr << "printdialog: cannot open the help page " << page.path << ": " << error->message << "\n";
        g_error_free(error);
    }
    return status;
}

} // namespace host
