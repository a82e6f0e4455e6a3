// printdialog: the print dialog without a screen, for a person at a terminal
// or a script. See host/README.md.
#include <iostream>
#include <string_view>
#include <vector>

#include "host/CommandLine.h"
#include "host/PrintDialog.h"

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
    host::PrintDialog dialog(std::move(*line), std::cout, std::cerr);
    return dialog.Run();
}
