#include "platform/RecordingHostServices.h"

namespace platform {

std::shared_ptr<const Bundle> RecordingHostServices::BundleWithIdentifier(std::string_view identifier) const
{
    return bundles_.Find(identifier);
}

int RecordingHostServices::GotoHelpPage(std::string_view bookName, std::string_view pagePath,
                                        std::string_view anchor)
{
    std::string path;
    const int status = help_.FindPage(bookName, pagePath, path);
    if (status == noErr) pages_.push_back({std::move(path), std::string(anchor)});
    return status;
}

} // namespace platform
