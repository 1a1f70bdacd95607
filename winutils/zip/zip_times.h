// Zip time stamps as file times: 100-nanosecond ticks since 1 January 1601.
#pragma once
#include <cstdint>

// The DOS date and time taken as they stand (no time-zone conversion). Out-of-range fields are
// clamped rather than rejected, so every entry gets some time.
uint64_t DosDateTimeToFileTicks(uint16_t date, uint16_t time);

// Unix seconds (UTC).
uint64_t UnixTimeToFileTicks(int64_t seconds);
