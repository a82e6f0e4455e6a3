// Printing the PDF through libcups: one job on the destination, with the
// dialog's option string (parsed by cupsParseOptions, so CUPS gets what
// --options shows, and a chosen PageSize as media too), the title and the
// copies. The destination's saved options are in that string already: they
// were the dialog's starting values.
#pragma once

#include <string>

namespace host {

struct PrintJob {
    std::string queue{};
    std::string file{};
    std::string title{};
    int copies = 1;
    std::string options{};
};

// The job's ID; 0, with `error`, when CUPS did not take the job.
int SubmitPrintJob(const PrintJob& job, std::string& error);

} // namespace host
