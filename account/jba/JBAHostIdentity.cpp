#include "account/jba/JBAHostIdentity.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <optional>

#include "panelkit/UtilityFunction.h"
#include "platform/ClientAddressRule.h"
#include "platform/HostAddress.h"
#include "platform/PrintSettingsKeys.h"
#include "platform/SystemClock.h"
#include "platform/TextEncoding.h"

namespace {

constexpr std::size_t kComputerNameBytes = 32;
constexpr std::size_t kHostNameBytes = 64;
constexpr std::size_t kTicketBytes = 255;
constexpr std::string_view kRightSingleQuote = "\xE2\x80\x99";

// The first bytes of the text, never ending inside a character.
std::string_view CutOnCharacter(std::string_view text, std::size_t bytes)
{
    if (text.size() <= bytes) return text;
    return platform::WithoutCutUtf8Tail(text.substr(0, bytes));
}

void AppendToBuffer(std::span<char> buffer, std::string_view text)
{
    if (buffer.empty()) return;
    const std::size_t used = strnlen(buffer.data(), buffer.size());
    const std::size_t room = buffer.size() - used - (used < buffer.size() ? 1 : 0);
    const std::size_t count = std::min(room, text.size());
    std::memcpy(buffer.data() + used, text.data(), count);
    if (used + count < buffer.size()) buffer[used + count] = '\0';
}

} // namespace

std::string ByteFilteredText(std::string_view text, unsigned char low, unsigned char high, int maximum)
{
    const std::size_t limit = maximum <= 0 ? 256 : static_cast<std::size_t>(maximum);
    if (text.size() >= limit) return std::string();
    // Cut on a character boundary: half a character is no UTF-8, and the
    // settings refuse the value whole.
    const std::string_view value = CutOnCharacter(text, kComputerNameBytes);
    if (value.find_first_not_of(' ') == std::string_view::npos) return std::string();
    std::string filtered;
    for (std::size_t pos = 0; pos < value.size(); ++pos) {
        if (value.substr(pos, kRightSingleQuote.size()) == kRightSingleQuote) {
            filtered += "___";
            pos += kRightSingleQuote.size() - 1;
            continue;
        }
        const auto byte = static_cast<unsigned char>(value[pos]);
        filtered += byte < low || byte > high ? '_' : value[pos];
    }
    return filtered;
}

bool SetCFStringToTicketWithByteFilter(platform::PrintSettings* settings, std::string_view text,
                                       const char* key, bool lock, unsigned char low, unsigned char high,
                                       int maximum)
{
    const std::string value = ByteFilteredText(text, low, high, maximum);
    return SetValueToSettingsWithTicketKeyAndLock(value.c_str(), settings, key, lock) == noErr;
}

bool SetCStringToTicket(platform::PrintSettings* settings, std::string_view text, const char* key, bool lock)
{
    std::string value;
    if (platform::IsValidUtf8(text)) value = std::string(CutOnCharacter(text, kTicketBytes));
    if (settings == nullptr) return false;
    return SetValueToSettingsWithTicketKeyAndLock(value.c_str(), settings, key, lock) == noErr;
}

void GetCurrentDateAndTime(std::span<char> date, std::span<char> time)
{
    // The platform clock: QV_NOW fixes it for tests and scripted runs.
    const std::time_t whole = std::chrono::system_clock::to_time_t(
        std::chrono::floor<std::chrono::seconds>(platform::CurrentTime()));
    std::tm local{};
    localtime_r(&whole, &local);
    char text[32];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", local.tm_mon + 1, local.tm_mday, local.tm_year + 1900);
    AppendToBuffer(date, text);
    // Truncated seconds: rounding would give 60 at 23:59:59.6, which is no time.
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", local.tm_hour, local.tm_min, local.tm_sec);
    AppendToBuffer(time, text);
}

void GetClientIPAddress(std::span<char> host, std::span<char> address)
{
    if (!host.empty()) std::memset(host.data(), 0, host.size());
    if (!address.empty()) std::memset(address.data(), 0, address.size());
    const std::string name = platform::LocalHostName();
    AppendToBuffer(host, CutOnCharacter(name, kHostNameBytes));
    if (name.empty()) return;
    const platform::HostAddressList addresses = platform::ResolveHostName(name);
    if (!addresses) return;
    const std::optional<std::string> chosen = platform::ChooseClientAddress(*addresses);
    if (chosen) AppendToBuffer(address, platform::EncodeClientAddress(*chosen));
}

bool SetInformationToTicket(platform::PrintSettings* settings, bool lock)
{
    // The computer's name: systemd's pretty host name where one is set, else
    // gethostname (platform::ComputerName).
    bool all = SetCFStringToTicketWithByteFilter(
        settings, platform::ComputerName(), printsettings::JBAMacHostNameStringTicket, lock, 0x20, 0xFE, 64);
    char host[65] = {};
    char address[40] = {};
    GetClientIPAddress(host, address);
    all = SetCStringToTicket(settings, host, printsettings::JBAHostNameStringTicket, lock) && all;
    all = SetCStringToTicket(settings, address, printsettings::JBAIPAddressStringTicket, lock) && all;
    char date[17] = {};
    char time[17] = {};
    GetCurrentDateAndTime(date, time);
    all = SetCStringToTicket(settings, date, printsettings::JBAPllrPrintDateTicketKey, lock) && all;
    all = SetCStringToTicket(settings, time, printsettings::JBAPllrPrintTimeTicketKey, lock) && all;
    return all;
}
