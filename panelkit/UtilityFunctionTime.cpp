// Time-of-day conversions of the UtilityFunction unit. Offsets come from the
// system's time-zone database for the zone in TZ (or the system's zone).
#include "panelkit/UtilityFunction.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

// Offset from GMT, in seconds east, of the local zone at the moment.
long OffsetAt(time_t moment, bool* daylight = nullptr)
{
    tm local{};
    localtime_r(&moment, &local);
    if (daylight != nullptr) *daylight = local.tm_isdst > 0;
    return local.tm_gmtoff;
}

time_t UtcNoon(int year, int month, int day)
{
    tm utc{};
    utc.tm_year = year - 1900;
    utc.tm_mon = month - 1;
    utc.tm_mday = day;
    utc.tm_hour = 12;
    return timegm(&utc);
}

// The zone's standard-time offset now: the current offset while standard time
// is in force; otherwise the offset of a moment of this year that is on
// standard time (January or July, whichever hemisphere), or, failing that,
// the standard offset the C library read from the zone's rules.
long StandardOffsetNow()
{
    tzset();
    const time_t now = std::time(nullptr);
    bool daylight = false;
    const long current = OffsetAt(now, &daylight);
    if (!daylight) return current;
    tm utcNow{};
    gmtime_r(&now, &utcNow);
    for (int month : {1, 7}) {
        bool probeDaylight = true;
        const long offset = OffsetAt(UtcNoon(utcNow.tm_year + 1900, month, 1), &probeDaylight);
        if (!probeDaylight) return offset;
    }
    // Daylight saving all year: the C library's standard offset of the zone.
    return -timezone;
}

} // namespace

int GetActualDSTSecondOffset()
{
    tzset();
    const long summer = OffsetAt(UtcNoon(2005, 7, 1));
    const long winter = OffsetAt(UtcNoon(2005, 1, 1));
    return static_cast<int>(std::labs(summer - winter));
}

std::string GetActualTimeZoneString()
{
    const double hours = static_cast<double>(StandardOffsetNow()) / 3600.0;
    const double whole = std::trunc(hours);
    const int hhmm = static_cast<int>((hours - whole) * 60.0 + whole * 100.0);
    // Always four digits after the sign: an offset under one hour is "+0030",
    // a valid zone text, where a plain "+0%d" would give "+030".
    char text[16] = {};
    if (hhmm == 0) return "+0000";
    std::snprintf(text, sizeof(text), "%c%04d", hhmm > 0 ? '+' : '-', std::abs(hhmm));
    return text;
}

bool ConvertLongDateToNSDate(const LongDateRec& date, std::span<char> text)
{
    if (text.empty()) return false;
    char hour[16] = {};
    char minute[16] = {};
    std::snprintf(hour, sizeof(hour), date.hour < 10 ? "0%d:" : "%d:", date.hour);
    std::snprintf(minute, sizeof(minute), date.minute < 10 ? "0%d" : "%d", date.minute);
    const std::string zone = GetActualTimeZoneString();
    std::snprintf(text.data(), text.size(), "2001-01-01 %s%s:00 %s", hour, minute, zone.c_str());
    return true;
}

bool ConvertNSDateToLongDate(std::string_view dateText, LongDateRec* date)
{
    if (date == nullptr || dateText.size() < 16) return false;
    const auto digit = [&](size_t i) { return dateText[i] >= '0' && dateText[i] <= '9'; };
    if (!digit(11) || !digit(12) || !digit(14) || !digit(15)) return false;
    date->hour = static_cast<int16_t>((dateText[11] - '0') * 10 + (dateText[12] - '0'));
    date->minute = static_cast<int16_t>((dateText[14] - '0') * 10 + (dateText[15] - '0'));
    return true;
}
