#!/bin/sh
# Builds the language fuzzer natively with clang and runs it for SECONDS (default 600).
set -e
seconds=${1:-600}
here=$(cd "$(dirname "$0")" && pwd)
build=${KV_FUZZ_BUILD:-$here/../../build-lang-fuzz}
CC=clang CXX=clang++ cmake -S "$here" -B "$build" -G Ninja >/dev/null
ninja -C "$build" lang_fuzzer >/dev/null
mkdir -p "$build/corpus"
exec "$build/lang_fuzzer" "$build/corpus" -max_total_time="$seconds" -max_len=4096 \
    -print_final_stats=1
