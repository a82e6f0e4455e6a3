#include "host/DialogServices.h"

#include "platform/StatusCodes.h"

namespace host {

void DialogServices::Beep()
{
    RecordingHostServices::Beep();
    toolkit_.RecordBeep();
}

int DialogServices::GotoHelpPage(std::string_view bookName, std::string_view pagePath,
                                 std::string_view anchor)
{
    const int status = RecordingHostServices::GotoHelpPage(bookName, pagePath, anchor);
    if (status == noErr) log_.RecordHelp(std::string(pagePath));
    return status;
}

} // namespace host
