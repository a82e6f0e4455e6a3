// printdialog: the print dialog, in a window (a document and no script) or
// without a screen for a person at a terminal or a script. See host/README.md.
#include <iostream>
#include <string_view>
#include <vector>

#include "host/CommandLine.h"
#include "host/PrintDialog.h"
#include "host/gtk/WindowMode.h"

int main(int argc, char** argv)
{
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    std::string error;
    std::optional<host::CommandLine> line = host::ParseCommandLine(args, error);
    if (!line) {
        std::cerr << "printdialog: " << error << "\n" << host::UsageText();
        return host::kExitBadInput;
    }
    if (line->help) {
        std::cout << host::UsageText();
        return 0;
    }
    if (host::OpensWindow(*line)) return host::RunWindowDialog(*line, std::cout, std::cerr);
    host::PrintDialog dialog(std::move(*line), std::cout, std::cerr);
    return dialog.Run();
}
