#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace service {

// Dates are OLE Automation dates: days since 30/12/1899 as a double.

// "DD/MM/YYYY hh:mm:ss", the form the filing sends.
std::u16string IncidentDateText(double oleDate);

// The date of a service date-time: the first 19 characters read as
// "YYYY-MM-DD hh:mm:ss" or "DD/MM/YYYY hh:mm:ss"; nothing when they hold neither or no
// real date.
std::optional<double> ParseServiceDate(std::u16string_view text);

// The clock-hour boundaries passed from one time to another: both are cut down to the
// whole hour first (10:59 to 11:01 is 1). Negative when `to` comes first.
int64_t ClockHourAge(double from, double to);

} // namespace service
