#!/bin/sh
# Builds the expression fuzzer natively with clang and runs it for SECONDS (default 600).
set -e
seconds=${1:-600}
here=$(cd "$(dirname "$0")" && pwd)
build=${KV_FUZZ_BUILD:-$here/../../build-compose-fuzz}
CC=clang CXX=clang++ cmake -S "$here" -B "$build" -G Ninja >/dev/null
ninja -C "$build" expression_fuzzer >/dev/null
mkdir -p "$build/corpus"
cp "$here"/seeds/* "$build/corpus/" 2>/dev/null || true
exec "$build/expression_fuzzer" "$build/corpus" -dict="$here/expression.dict" \
    -max_total_time="$seconds" -max_len=4096 -print_final_stats=1
