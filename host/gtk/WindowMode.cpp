#include "host/gtk/WindowMode.h"

#include <gtk/gtk.h>

#include <cstdlib>
#include <fstream>

#include "host/PrintDialog.h"
#include "host/gtk/DialogWindow.h"
#include "host/gtk/GtkToolkit.h"
#include "host/gtk/ScreenServices.h"
#include "host/gtk/Screenshots.h"
#include "host/gtk/WidgetMap.h"
#include "platform/SystemClock.h"

namespace host {

namespace {

// The panels are laid out in rows of 25 points, 33 apart; GTK's default
// controls are taller, so they are made compact enough to fit.
constexpr const char* kStyle = R"css(
.qv-panel button, .qv-panel menubutton > button { min-height: 0; padding: 0 6px; }
.qv-panel entry { min-height: 0; padding: 0 4px; }
.qv-panel checkbutton { min-height: 0; padding: 0; }
.qv-panel .qv-grey, .qv-panel .qv-grey label { color: #a0a0a0; }
.qv-stepper button { min-height: 0; min-width: 0; padding: 0; }
.qv-stepper button image { -gtk-icon-size: 10px; }
.qv-menu-item { min-height: 0; padding: 2px 12px; }
.qv-menu-item.qv-selected { font-weight: bold; }
.qv-dialog { padding: 10px; }
.qv-alert { padding: 16px; }
)css";

void LoadStyle()
{
    GtkCssProvider* provider = gtk_css_provider_new();
    gtk_css_provider_load_from_data(provider, kStyle, -1);
    gtk_style_context_add_provider_for_display(gdk_display_get_default(), GTK_STYLE_PROVIDER(provider),
                                               GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    g_object_unref(provider);
}

} // namespace

int RunWindowDialog(const CommandLine& line, std::ostream& out, std::ostream& err)
{
    if (!platform::IsClockOverrideValid()) {
        err << "printdialog: " << platform::kClockVariable
            << " is not a time of the form YYYY-MM-DDTHH:MM:SS[.fff]\n";
        return kExitBadInput;
    }
    if (line.document && !std::ifstream(*line.document)) {
        err << "printdialog: cannot read the document " << *line.document << "\n";
        return kExitBadInput;
    }
    if (!gtk_init_check()) {
        err << "printdialog: cannot open the display; give a script (--script) to run without one\n";
        return kExitBadInput;
    }
    LoadStyle();
    ScreenServices services;
    GtkToolkit toolkit(&services);
    services.SetWidgetToolkit(&toolkit);
    DialogWindow dialog(line, toolkit, services);
    std::string error;
    if (!dialog.Open(error)) {
        err << "printdialog: " << error << "\n";
        return kExitBadInput;
    }
    if (line.screenshotDir) {
        const std::vector<std::string> files = TakeScreenshots(dialog, *line.screenshotDir, error);
        if (files.empty()) {
            err << "printdialog: " << (error.empty() ? "nothing to draw" : error) << "\n";
            return kExitBadInput;
        }
        for (const std::string& file : files) out << file << "\n";
        return 0;
    }
    const char* mapPath = std::getenv("QV_WIDGET_MAP");
    WidgetMap map(toolkit.Session(), mapPath != nullptr ? mapPath : "");
    return dialog.Run();
}

} // namespace host
