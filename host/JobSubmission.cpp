#include "host/JobSubmission.h"

#include <cups/cups.h>

namespace host {

namespace {

struct OptionList {
    int count = 0;
    cups_option_t* options = nullptr;
    OptionList() = default;
    OptionList(const OptionList&) = delete;
    OptionList& operator=(const OptionList&) = delete;
    ~OptionList() { cupsFreeOptions(count, options); }
};

} // namespace

int SubmitPrintJob(const PrintJob& job, std::string& error)
{
    OptionList options;
    options.count = cupsParseOptions(job.options.c_str(), 0, &options.options);
    // The filter reads the paper size from IPP's media, which lp sends for a
    // saved or typed media. The dialog holds the size as the PPD's PageSize
    // choice, which CUPS hands the filter under that name alone, so a chosen
    // size goes to CUPS as media too, or the printer would not learn it.
    if (const char* pageSize = cupsGetOption("PageSize", options.count, options.options);
        pageSize != nullptr && cupsGetOption("media", options.count, options.options) == nullptr) {
        const std::string media = pageSize;
        options.count = cupsAddOption("media", media.c_str(), options.count, &options.options);
    }
    options.count = cupsAddIntegerOption("copies", job.copies, options.count, &options.options);
    const int id = cupsPrintFile2(CUPS_HTTP_DEFAULT, job.queue.c_str(), job.file.c_str(), job.title.c_str(),
                                  options.count, options.options);
    if (id == 0) error = "CUPS did not take the job: " + std::string(cupsLastErrorString());
    return id;
}

} // namespace host
