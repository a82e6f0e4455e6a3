#include "host/JobOptions.h"

#include "platform/StatusCodes.h"

namespace host {

bool IsOptionName(std::string_view name)
{
    if (name.empty()) return false;
    for (char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= ' ' || byte == 0x7F || c == '=' || c == '\'' || c == '"' || c == '\\') return false;
    }
    return true;
}

std::string QuoteOptionValue(std::string_view value)
{
    std::string quoted = "'";
    for (char c : value) {
        if (c == '\\' || c == '\'') quoted += '\\';
        quoted += c;
    }
    quoted += '\'';
    return quoted;
}

std::string JobOptionString(const platform::PrintSettings& ppdChoices,
                            const platform::PrintSettings& settings)
{
    std::string options;
    const auto append = [&options](const std::string& name, const std::string& value) {
        if (!IsOptionName(name)) return;
        if (!options.empty()) options += ' ';
        options += name;
        options += '=';
        options += QuoteOptionValue(value);
    };
    for (const auto& choice : ppdChoices.Entries()) append(choice.key, choice.value);
    std::string unused;
    for (const auto& entry : settings.Entries())
        if (ppdChoices.GetValue(entry.key, &unused) != noErr) append(entry.key, entry.value);
    return options;
}

} // namespace host
