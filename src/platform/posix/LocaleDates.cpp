#include "platform/posix/LocaleDates.h"

#include "text/Encoding.h"

#include <chrono>
#include <cmath>
#include <ctime>
#include <langinfo.h>
#include <vector>

namespace platform::posix {

namespace {

constexpr int OleDayOfUnixEpoch = 25569; // 1970-01-01

struct tm TimeOfOleDate(double oleDate) {
    auto days = int64_t(std::floor(oleDate));
    auto seconds = int64_t(std::llround((oleDate - double(days)) * 86400.0));
    if (seconds >= 86400) {
        ++days;
        seconds -= 86400;
    }
    std::chrono::year_month_day date{
        std::chrono::sys_days{std::chrono::days{days - OleDayOfUnixEpoch}}};
    struct tm time {};
    time.tm_year = int(date.year()) - 1900;
    time.tm_mon = int(unsigned(date.month())) - 1;
    time.tm_mday = int(unsigned(date.day()));
    time.tm_hour = int(seconds / 3600);
    time.tm_min = int(seconds / 60 % 60);
    time.tm_sec = int(seconds % 60);
    time.tm_wday = int(std::chrono::weekday{std::chrono::sys_days{date}}.c_encoding());
    return time;
}

std::optional<double> OleDateOfTime(const struct tm& time) {
    std::chrono::year_month_day date{std::chrono::year{time.tm_year + 1900},
                                     std::chrono::month{unsigned(time.tm_mon + 1)},
                                     std::chrono::day{unsigned(time.tm_mday)}};
    if (!date.ok() || time.tm_hour > 23 || time.tm_min > 59 || time.tm_sec > 59)
        return std::nullopt;
    double days =
        double(std::chrono::sys_days{date}.time_since_epoch().count() + OleDayOfUnixEpoch);
    return days + (time.tm_hour * 3600.0 + time.tm_min * 60.0 + time.tm_sec) / 86400.0;
}

std::string ReplaceAll(std::string s, const std::string& find, const std::string& by) {
    for (size_t at = 0; (at = s.find(find, at)) != std::string::npos; at += by.size())
        s.replace(at, find.size(), by);
    return s;
}

bool OnlyBlanksFrom(const char* rest) {
    while (rest && (*rest == ' ' || *rest == '\t'))
        ++rest;
    return rest && *rest == '\0';
}

} // namespace

LocaleDates::LocaleDates() {
    locale = newlocale(LC_TIME_MASK | LC_CTYPE_MASK, "", nullptr);
    if (!locale)
        locale = newlocale(LC_TIME_MASK | LC_CTYPE_MASK, "C", nullptr);
}

LocaleDates::~LocaleDates() {
    if (locale)
        freelocale(locale);
}

std::string LocaleDates::Info(nl_item item) const {
    return nl_langinfo_l(item, locale);
}

bool LocaleDates::UsesUtf8() const {
    return Info(CODESET) == "UTF-8";
}

std::string LocaleDates::ShortDatePattern() const {
    return ReplaceAll(Info(D_FMT), "%y", "%Y");
}

std::u16string LocaleDates::Strftime(const std::string& pattern, const struct tm& time) const {
    char buffer[256];
    size_t length = strftime_l(buffer, sizeof buffer, pattern.c_str(), &time, locale);
    std::string_view bytes(buffer, length);
    return UsesUtf8() ? text::Utf8ToUtf16(bytes) : text::Latin1ToUtf16(bytes);
}

double LocaleDates::Now() const {
    std::time_t now = std::time(nullptr);
    struct tm local {};
    localtime_r(&now, &local);
    return OleDateOfTime(local).value_or(0);
}

std::u16string LocaleDates::Format(double oleDate, DateFormat format) const {
    struct tm time = TimeOfOleDate(oleDate);
    bool hasDate = std::floor(oleDate) != 0;
    bool hasTime = time.tm_hour || time.tm_min || time.tm_sec;
    switch (format) {
    case DateFormat::ShortDate:
        return Strftime(ShortDatePattern(), time);
    case DateFormat::LongTime:
        return Strftime(Info(T_FMT), time);
    case DateFormat::GeneralDate:
        if (!hasTime)
            return Strftime(ShortDatePattern(), time);
        if (!hasDate)
            return Strftime(Info(T_FMT), time);
        return Strftime(ShortDatePattern() + " " + Info(T_FMT), time);
    }
    return {};
}

std::optional<double> LocaleDates::Parse(std::u16string_view input) const {
    std::string bytes = UsesUtf8() ? text::Utf16ToUtf8(input) : text::Utf16ToLatin1(input);
    const std::string date = ShortDatePattern();
    // The locale's own pattern first, so that a two-digit year is not read as year 25.
    const std::vector<std::string> patterns = {Info(D_FMT) + " " + Info(T_FMT),
                                               Info(D_FMT),
                                               date + " " + Info(T_FMT),
                                               date + " %H:%M",
                                               date,
                                               "%Y-%m-%d %H:%M:%S",
                                               "%Y-%m-%dT%H:%M:%S",
                                               "%Y-%m-%d"};
    // strptime reads the calling thread's locale; it is switched for the call only.
    locale_t previous = uselocale(locale);
    std::optional<double> result;
    for (const std::string& pattern : patterns) {
        struct tm time {};
        if (OnlyBlanksFrom(strptime(bytes.c_str(), pattern.c_str(), &time))) {
            result = OleDateOfTime(time);
            break;
        }
    }
    uselocale(previous);
    return result;
}

} // namespace platform::posix
