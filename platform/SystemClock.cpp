#include "platform/SystemClock.h"

#include <cstdlib>
#include <ctime>

namespace platform {

namespace {

// The number in text[pos, pos + digits), all digits; -1 otherwise.
int Digits(std::string_view text, size_t pos, size_t digits)
{
    if (pos + digits > text.size()) return -1;
    int value = 0;
    for (size_t i = pos; i < pos + digits; ++i) {
        if (text[i] < '0' || text[i] > '9') return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

std::string_view Override()
{
    const char* value = std::getenv(kClockVariable);
    return value != nullptr ? std::string_view(value) : std::string_view();
}

} // namespace

std::optional<std::chrono::system_clock::time_point> ParseLocalTimestamp(std::string_view text)
{
    // YYYY-MM-DDTHH:MM:SS, then ".fff" or nothing.
    if (text.size() != 19 && text.size() != 23) return std::nullopt;
    if (text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':' || text[16] != ':')
        return std::nullopt;
    const int year = Digits(text, 0, 4);
    const int month = Digits(text, 5, 2);
    const int day = Digits(text, 8, 2);
    const int hour = Digits(text, 11, 2);
    const int minute = Digits(text, 14, 2);
    const int second = Digits(text, 17, 2);
    int millisecond = 0;
    if (text.size() == 23) {
        if (text[19] != '.') return std::nullopt;
        millisecond = Digits(text, 20, 3);
    }
    if (year < 1970 || month < 1 || month > 12 || day < 1 || day > 31 || hour < 0 || hour > 23 ||
        minute < 0 || minute > 59 || second < 0 || second > 59 || millisecond < 0)
        return std::nullopt;
    tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = second;
    local.tm_isdst = -1;
    const time_t moment = mktime(&local);
    // mktime moves a day that does not exist into the next month.
    if (moment == static_cast<time_t>(-1) || local.tm_mday != day || local.tm_mon != month - 1)
        return std::nullopt;
    return std::chrono::system_clock::from_time_t(moment) + std::chrono::milliseconds(millisecond);
}

bool IsClockOverrideValid()
{
    const std::string_view text = Override();
    return text.empty() || ParseLocalTimestamp(text).has_value();
}

std::chrono::system_clock::time_point CurrentTime()
{
    const std::string_view text = Override();
    if (!text.empty())
        if (const auto fixed = ParseLocalTimestamp(text)) return *fixed;
    return std::chrono::system_clock::now();
}

} // namespace platform
