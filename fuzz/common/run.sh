#!/bin/sh
# Builds the common text fuzzer natively with clang and runs it for SECONDS (default 600).
set -e
seconds=${1:-600}
here=$(cd "$(dirname "$0")" && pwd)
build=${KV_FUZZ_BUILD:-$here/../../build-common-fuzz}
CC=clang CXX=clang++ cmake -S "$here" -B "$build" -G Ninja >/dev/null
ninja -C "$build" common_text_fuzzer >/dev/null
mkdir -p "$build/corpus"
exec "$build/common_text_fuzzer" "$build/corpus" -max_total_time="$seconds" -max_len=4096 \
    -print_final_stats=1
