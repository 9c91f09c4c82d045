#pragma once

#include "platform/Os.h"

#include <langinfo.h>
#include <locale.h>
#include <optional>
#include <string>
#include <string_view>

namespace platform::posix {

// Dates as the user's locale (LC_ALL, LC_TIME or LANG) writes and reads them, through the
// C library. Dates are OLE Automation dates: days since 1899-12-30 as a double.
class LocaleDates {
public:
    LocaleDates();
    LocaleDates(const LocaleDates&) = delete;
    LocaleDates& operator=(const LocaleDates&) = delete;
    ~LocaleDates();

    double Now() const;
    // Short dates show four-digit years even where the locale's own format has two.
    std::u16string Format(double oleDate, DateFormat format) const;
    // A date, or a date with a time, in the locale's format or as ISO 8601.
    std::optional<double> Parse(std::u16string_view text) const;

private:
    std::string Info(nl_item item) const;
    std::string ShortDatePattern() const;
    std::u16string Strftime(const std::string& pattern, const struct tm& time) const;
    bool UsesUtf8() const;

    locale_t locale;
};

} // namespace platform::posix
