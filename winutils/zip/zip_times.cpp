#include "zip/zip_times.h"

#include <algorithm>

namespace {

constexpr int64_t kTicksPerSecond = 10000000;
constexpr int64_t kSecondsFrom1601To1970 = 11644473600;

// Days since 1970-01-01 of a proleptic Gregorian date.
int64_t DaysFromCivil(int64_t year, unsigned month, unsigned day) {
    year -= month <= 2;
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(year - era * 400);
    const unsigned doy = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

} // namespace

uint64_t UnixTimeToFileTicks(int64_t seconds) {
    return static_cast<uint64_t>((seconds + kSecondsFrom1601To1970) * kTicksPerSecond);
}

uint64_t DosDateTimeToFileTicks(uint16_t date, uint16_t time) {
    const int64_t year = 1980 + (date >> 9);
    const unsigned month = std::clamp<unsigned>((date >> 5) & 15, 1, 12);
    const unsigned day = std::max<unsigned>(date & 31, 1);
    const int64_t hour = time >> 11;
    const int64_t minute = (time >> 5) & 63;
    const int64_t second = (time & 31) * 2;
    const int64_t seconds =
        DaysFromCivil(year, month, day) * 86400 + hour * 3600 + minute * 60 + second;
    return UnixTimeToFileTicks(seconds);
}
