// The sums of the blur: value j of a line is the sum over the taps i, in order and in single
// precision, of k[i] x rows[i][j] (a per-tap multiplication table's entries, computed as they
// are needed), many values at a time. Pure C++; AVX is used where the processor has it, with
// the same arithmetic for every value.
#pragma once
#include <cstdint>

// out[j] = trunc(sum + 0.5) for j in [begin, end), away from the ends of the line.
void SumTaps(const float* const* rows, const float* k, int n, int begin, int end,
             std::uint8_t* out);

// Near the ends only taps lo..hi exist: out[j] = trunc(sum / (their weights) + 0.5).
void SumTapsRenormalised(const float* const* rows, const float* k, int lo, int hi, int begin,
                         int end, std::uint8_t* out);
