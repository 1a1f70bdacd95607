#include "net/http_date.h"

#include <cwchar>

namespace {

const wchar_t* const kDays[] = {L"Sun", L"Mon", L"Tue", L"Wed", L"Thu", L"Fri", L"Sat"};
const wchar_t* const kMonths[] = {L"Jan", L"Feb", L"Mar", L"Apr", L"May", L"Jun",
                                  L"Jul", L"Aug", L"Sep", L"Oct", L"Nov", L"Dec"};

// Proleptic Gregorian date of a day count since 1 March 0000 shifted to the Unix epoch
// (H. Hinnant's civil_from_days).
void CivilFromDays(std::int64_t days, std::int64_t& year, unsigned& month, unsigned& day) {
    days += 719468;
    std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    unsigned dayOfEra = static_cast<unsigned>(days - era * 146097);
    unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    unsigned shiftedMonth = (5 * dayOfYear + 2) / 153;
    day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
    month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
    year = static_cast<std::int64_t>(yearOfEra) + era * 400 + (month <= 2 ? 1 : 0);
}

} // namespace

std::wstring FormatHttpDate(std::uint64_t fileTime) {
    // Seconds between 1 January 1601 and 1 January 1970.
    const std::int64_t kEpochShift = 11644473600;
    std::int64_t seconds = static_cast<std::int64_t>(fileTime / 10000000) - kEpochShift;
    std::int64_t days = seconds >= 0 ? seconds / 86400 : (seconds - 86399) / 86400;
    std::int64_t secondOfDay = seconds - days * 86400;
    std::int64_t year = 0;
    unsigned month = 1, day = 1;
    CivilFromDays(days, year, month, day);
    // 1 January 1970 was a Thursday.
    int weekday = static_cast<int>(((days % 7) + 7 + 4) % 7);
    wchar_t text[64];
    std::swprintf(text, 64, L"%ls, %02u %ls %04lld %02d:%02d:%02d GMT", kDays[weekday], day,
                  kMonths[month - 1], static_cast<long long>(year),
                  static_cast<int>(secondOfDay / 3600), static_cast<int>(secondOfDay / 60 % 60),
                  static_cast<int>(secondOfDay % 60));
    return text;
}
