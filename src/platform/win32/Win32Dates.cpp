#include "platform/win32/AnsiText.h"
#include "platform/win32/Win32Os.h"
#include "platform/win32/WindowsApi.h"

namespace platform::win32 {

namespace {

std::u16string UserDate(const SYSTEMTIME& time) {
    wchar_t buffer[128] = {};
    const int length =
        ::GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, buffer, 128);
    return length > 0 ? FromWide(std::wstring_view(buffer, size_t(length - 1))) : u"";
}

std::u16string UserTime(const SYSTEMTIME& time) {
    wchar_t buffer[128] = {};
    const int length = ::GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &time, nullptr, buffer, 128);
    return length > 0 ? FromWide(std::wstring_view(buffer, size_t(length - 1))) : u"";
}

// The general form shows the date, the time, or both, leaving out a part that is zero:
// day 0 (30/12/1899) shows the time alone, midnight shows the date alone.
std::u16string UserGeneralDate(const SYSTEMTIME& time) {
    const bool hasDate = !(time.wYear == 1899 && time.wMonth == 12 && time.wDay == 30);
    const bool hasTime = time.wHour || time.wMinute || time.wSecond;
    if (!hasTime)
        return UserDate(time);
    if (!hasDate)
        return UserTime(time);
    return UserDate(time) + u" " + UserTime(time);
}

} // namespace

double Win32Os::Now() {
    SYSTEMTIME local{};
    ::GetLocalTime(&local);
    local.wMilliseconds = 0;
    double oleDate = 0;
    ::SystemTimeToVariantTime(&local, &oleDate);
    return oleDate;
}

std::u16string Win32Os::FormatDate(double oleDate, DateFormat format) {
    SYSTEMTIME time{};
    if (!::VariantTimeToSystemTime(oleDate, &time))
        return {};
    switch (format) {
    case DateFormat::ShortDate:
        return UserDate(time);
    case DateFormat::LongTime:
        return UserTime(time);
    case DateFormat::GeneralDate:
        return UserGeneralDate(time);
    }
    return {};
}

std::optional<double> Win32Os::ParseDateTime(std::u16string_view text) {
    std::wstring wide = ToWide(text);
    DATE parsed = 0;
    if (FAILED(::VarDateFromStr(wide.data(), LOCALE_USER_DEFAULT, 0, &parsed)))
        return std::nullopt;
    return parsed;
}

} // namespace platform::win32
