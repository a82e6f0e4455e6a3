#include "host/StartingValues.h"

#include <strings.h>

#include <cups/cups.h>

#include <map>
#include <memory>

namespace host {

namespace {

// Option keyword to marked choice keyword, for every option of the PPD.
std::map<std::string, std::string> MarkedChoices(ppd_file_t* ppd)
{
    std::map<std::string, std::string> marked;
    for (ppd_option_t* option = ppdFirstOption(ppd); option != nullptr; option = ppdNextOption(ppd)) {
        const ppd_choice_t* choice = ppdFindMarkedChoice(ppd, option->keyword);
        marked[option->keyword] = choice != nullptr ? choice->choice : "";
    }
    return marked;
}

// IPP attribute names: lowercase letters, digits and hyphens
// ("printer-info", "job-priority", "media").
bool IsIppAttributeName(std::string_view name)
{
    if (name.empty()) return false;
    for (char c : name)
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-')) return false;
    return true;
}

struct OptionsFree {
    int count = 0;
    void operator()(cups_option_t* options) const { cupsFreeOptions(count, options); }
};

} // namespace

void MarkPpdDefaults(DialogHost& host)
{
    if (host.ppdFile() != nullptr) ppdMarkDefaults(host.ppdFile());
}

void ApplySavedOptions(DialogHost& host, const NamedValues& options)
{
    ppd_file_t* ppd = host.ppdFile();
    if (ppd == nullptr) return;
    int count = 0;
    cups_option_t* raw = nullptr;
    for (const auto& [name, value] : options) {
        if (host.IsPPDOption(name) || IsIppAttributeName(name))
            count = cupsAddOption(name.c_str(), value.c_str(), count, &raw);
        else
            host.printSettings()->SetValue(name, value, false);
    }
    const std::unique_ptr<cups_option_t, OptionsFree> held(raw, OptionsFree{count});
    // cupsMarkOptions marks as lp does (media, sides and the like map to
    // their PPD options); every option it changed, and every PPD option named
    // directly that took the named choice, becomes a choice of the job.
    const std::map<std::string, std::string> before = MarkedChoices(ppd);
    cupsMarkOptions(ppd, count, raw);
    for (const auto& [keyword, choice] : MarkedChoices(ppd)) {
        const char* named = cupsGetOption(keyword.c_str(), count, raw);
        const bool took = named != nullptr && strcasecmp(named, choice.c_str()) == 0;
        if (!choice.empty() && (took || before.at(keyword) != choice)) host.MarkChoice(keyword, choice);
    }
}

void ApplySavedValues(DialogHost& host, const SavedValues& values)
{
    for (const auto& [option, choice] : values.choices) host.MarkChoice(option, choice);
    for (const auto& entry : values.settings)
        host.printSettings()->SetValue(entry.key, entry.value, entry.locked);
}

bool ApplyCommandLineOptions(DialogHost& host, const NamedValues& options, std::string& error)
{
    for (const auto& [name, value] : options) {
        if (!host.IsPPDOption(name)) {
            host.printSettings()->SetValue(name, value, false);
        } else if (!host.MarkChoice(name, value)) {
            error = "-o " + name + "=" + value + ": the PPD option " + name + " has no choice " + value;
            return false;
        }
    }
    return true;
}

SavedValues CurrentValues(DialogHost& host)
{
    SavedValues values;
    values.settings = host.printSettings()->Entries();
    for (const auto& entry : host.Choices().Entries()) values.choices.emplace_back(entry.key, entry.value);
    return values;
}

} // namespace host
