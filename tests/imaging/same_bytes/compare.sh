#!/bin/sh
# The resampler and the blur give the same bytes in the Windows build (run under Wine) and in
# native builds with and without SIMD:  compare.sh HOST_CXX SOURCE_DIR WINE_RUN WINDOWS_EXE WORK
set -e
cxx=$1 source=$2 run=$3 exe=$4 work=$5
mkdir -p "$work"
files="$source/tests/imaging/same_bytes/same_bytes.cpp $source/winutils/imaging/resample.cpp \
$source/winutils/imaging/gaussian_blur.cpp $source/winutils/imaging/blur_sums.cpp \
$source/winutils/imaging/resample_taps.cpp"
$cxx -std=c++20 -O2 -pthread -I"$source/winutils" $files -o "$work/same_bytes_simd"
$cxx -std=c++20 -O2 -pthread -DKV_VEC4_PLAIN -I"$source/winutils" $files -o "$work/same_bytes_plain"
"$work/same_bytes_simd" >"$work/simd.bin"
"$work/same_bytes_plain" >"$work/plain.bin"
"$run" "$exe" >"$work/windows.bin"
cmp "$work/simd.bin" "$work/plain.bin"
cmp "$work/simd.bin" "$work/windows.bin"
echo "identical: $(wc -c <"$work/simd.bin") bytes"
