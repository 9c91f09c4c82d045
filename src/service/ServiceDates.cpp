#include "service/ServiceDates.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace service {

namespace {

using namespace std::chrono;

constexpr sys_days OleEpoch = sys_days(year(1899) / December / 30);
// The range OLE Automation dates cover: years 100 to 9999.
constexpr double FirstOleDate = -657434.0;
constexpr double LastOleDate = 2958465.999988426;

struct DateTimeParts {
    int year, month, day, hour, minute, second;
};

// The day is the whole part; the time of day is the fraction, counted forward also on
// the dates before the epoch (-1.25 is 29/12/1899 06:00).
sys_seconds FromOle(double oleDate) {
    if (!std::isfinite(oleDate))
        oleDate = 0;
    oleDate = std::clamp(oleDate, FirstOleDate, LastOleDate);
    const double wholeDays = std::trunc(oleDate);
    const auto secondsOfDay = std::llround(std::fabs(oleDate - wholeDays) * 86400.0);
    return OleEpoch + days(int64_t(wholeDays)) + seconds(secondsOfDay);
}

double ToOle(sys_seconds time) {
    const sys_days day = floor<days>(time);
    const double wholeDays = double((day - OleEpoch).count());
    const double fraction = double((time - day).count()) / 86400.0;
    return wholeDays < 0 ? wholeDays - fraction : wholeDays + fraction;
}

DateTimeParts PartsOf(double oleDate) {
    const sys_seconds time = FromOle(oleDate);
    const sys_days day = floor<days>(time);
    const year_month_day date(day);
    const hh_mm_ss<seconds> clock(time - day);
    return {int(date.year()),           int(unsigned(date.month())),  int(unsigned(date.day())),
            int(clock.hours().count()), int(clock.minutes().count()), int(clock.seconds().count())};
}

void AppendNumber(std::u16string& out, int value, size_t width) {
    std::u16string digits;
    for (; value > 0 || digits.size() < width; value /= 10)
        digits.insert(digits.begin(), char16_t(u'0' + value % 10));
    out += digits;
}

// The number written with exactly `count` digits at `at`, or -1.
int DigitsAt(std::u16string_view text, size_t at, size_t count) {
    int value = 0;
    for (size_t i = at; i < at + count; ++i) {
        if (text[i] < u'0' || text[i] > u'9')
            return -1;
        value = value * 10 + (text[i] - u'0');
    }
    return value;
}

// The pattern's "9" stand for digits; every other character must be there as written.
bool Matches(std::u16string_view text, std::u16string_view pattern) {
    if (text.size() != pattern.size())
        return false;
    for (size_t i = 0; i < text.size(); ++i)
        if (pattern[i] == u'9' ? DigitsAt(text, i, 1) < 0 : text[i] != pattern[i])
            return false;
    return true;
}

std::optional<DateTimeParts> ReadParts(std::u16string_view text) {
    if (Matches(text, u"9999-99-99 99:99:99"))
        return DateTimeParts{DigitsAt(text, 0, 4),  DigitsAt(text, 5, 2),  DigitsAt(text, 8, 2),
                             DigitsAt(text, 11, 2), DigitsAt(text, 14, 2), DigitsAt(text, 17, 2)};
    if (Matches(text, u"99/99/9999 99:99:99"))
        return DateTimeParts{DigitsAt(text, 6, 4),  DigitsAt(text, 3, 2),  DigitsAt(text, 0, 2),
                             DigitsAt(text, 11, 2), DigitsAt(text, 14, 2), DigitsAt(text, 17, 2)};
    return std::nullopt;
}

} // namespace

std::u16string IncidentDateText(double oleDate) {
    const DateTimeParts parts = PartsOf(oleDate);
    std::u16string text;
    AppendNumber(text, parts.day, 2);
    text += u'/';
    AppendNumber(text, parts.month, 2);
    text += u'/';
    AppendNumber(text, parts.year, 4);
    text += u' ';
    AppendNumber(text, parts.hour, 2);
    text += u':';
    AppendNumber(text, parts.minute, 2);
    text += u':';
    AppendNumber(text, parts.second, 2);
    return text;
}

std::optional<double> ParseServiceDate(std::u16string_view text) {
    const std::optional<DateTimeParts> parts = ReadParts(text.substr(0, 19));
    if (!parts)
        return std::nullopt;
    const year_month_day date(year(parts->year), month(unsigned(parts->month)),
                              day(unsigned(parts->day)));
    if (!date.ok() || parts->year < 100 || parts->hour > 23 || parts->minute > 59 ||
        parts->second > 59)
        return std::nullopt;
    return ToOle(sys_days(date) + hours(parts->hour) + minutes(parts->minute) +
                 seconds(parts->second));
}

int64_t ClockHourAge(double from, double to) {
    return (floor<hours>(FromOle(to)) - floor<hours>(FromOle(from))).count();
}

} // namespace service
