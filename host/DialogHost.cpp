#include "host/DialogHost.h"

namespace host {

namespace {

constexpr std::string_view kCustomPrefix = "Custom.";

bool HasChoice(ppd_option_t* option, std::string_view choice)
{
    const std::string text(choice);
    if (ppdFindChoice(option, text.c_str()) != nullptr) return true;
    return choice.size() > kCustomPrefix.size() && choice.substr(0, kCustomPrefix.size()) == kCustomPrefix &&
           ppdFindChoice(option, "Custom") != nullptr;
}

} // namespace

DialogHost::DialogHost(PpdFilePtr ppd, const std::string& printerID, platform::DestinationType destination,
                       platform::HostServices& services)
    : ppd_(std::move(ppd)), services_(services)
{
    session_.SetCurrentPrinter(platform::Printer(printerID));
    session_.SetDestinationType(destination);
}

bool DialogHost::IsPPDOption(std::string_view keyword) const
{
    return ppd_ && ppdFindOption(ppd_.get(), std::string(keyword).c_str()) != nullptr;
}

bool DialogHost::MarkChoice(std::string_view option, std::string_view choice)
{
    if (!ppd_) return false;
    const std::string keyword(option);
    ppd_option_t* found = ppdFindOption(ppd_.get(), keyword.c_str());
    if (found == nullptr || !HasChoice(found, choice)) return false;
    ppdMarkOption(ppd_.get(), keyword.c_str(), std::string(choice).c_str());
    choices_.SetValue(option, choice, false);
    return true;
}

bool DialogHost::willChangePPDOptionKeyValue(std::string_view option, std::string_view choice)
{
    if (!MarkChoice(option, choice)) return false;
    if (listener_) listener_(std::string(option), std::string(choice));
    return true;
}

} // namespace host
