#!/bin/sh
# Builds the zip reader fuzzer natively with clang and runs it for SECONDS (default 600). The
# inputs kept in regressions/ are replayed first.
set -e
seconds=${1:-600}
here=$(cd "$(dirname "$0")" && pwd)
build=${KV_FUZZ_BUILD:-$here/../../build-zip-fuzz}
CC=clang CXX=clang++ cmake -S "$here" -B "$build" -G Ninja >/dev/null
ninja -C "$build" zip_fuzzer make_seeds >/dev/null
mkdir -p "$build/corpus"
"$build/make_seeds" "$build/corpus"
if [ -n "$(ls "$here/regressions" 2>/dev/null)" ]; then
    "$build/zip_fuzzer" "$here"/regressions/*
fi
exec "$build/zip_fuzzer" "$build/corpus" -max_total_time="$seconds" -max_len=8192 \
    -rss_limit_mb=2048 -print_final_stats=1
