// Print-session and print-settings access of the UtilityFunction unit.
#include "panelkit/UtilityFunction.h"

#include <cmath>
#include <limits>
#include <variant>

#include "platform/TextEncoding.h"

OSStatus GetTicketFromSession(const platform::PrintSession* session, std::string_view key, int32_t* value)
{
    if (session == nullptr || value == nullptr) return kPMKeyNotFound;
    const platform::PrintSession::Value* stored = session->GetData(key);
    if (stored == nullptr) return kPMKeyNotFound;
    if (const auto* number = std::get_if<long long>(stored)) {
        *value = static_cast<int32_t>(*number);
        return noErr;
    }
    if (const auto* real = std::get_if<double>(stored)) {
        // A number that no 32-bit integer holds is not a value here.
        if (!std::isfinite(*real) || *real < std::numeric_limits<int32_t>::min() ||
            *real > std::numeric_limits<int32_t>::max()) {
            return kPMKeyNotFound;
        }
        *value = static_cast<int32_t>(*real);
        return noErr;
    }
    return kPMKeyNotFound;
}

bool CreateKeyWithCurrentPrinter(const char* key, const char* printerID, std::string* string)
{
    if (key == nullptr || printerID == nullptr || string == nullptr) return false;
    string->append(printerID);
    string->append(key);
    return true;
}

int SetPrinterString(const platform::PrintSession* session, std::string* string)
{
    if (string == nullptr || session == nullptr) return 1;
    const platform::Printer* printer = session->GetCurrentPrinter();
    if (printer == nullptr) return 1;
    string->append(printer->GetID());
    return 0;
}

OSStatus SetValueToSettingsWithTicketKeyAndLock(const char* value, platform::PrintSettings* settings,
                                                const char* key, bool lock)
{
    if (value == nullptr || settings == nullptr || key == nullptr) return paramErr;
    const std::string_view text(value);
    if (!platform::IsValidUtf8(text)) return memFullErr;
    return settings->SetValue(key, text, lock);
}
