#!/bin/sh
# Builds the compose fuzzers natively with clang and runs one for SECONDS (default 600):
#   run.sh SECONDS [expression|geometry]
set -e
seconds=${1:-600}
target=${2:-expression}
here=$(cd "$(dirname "$0")" && pwd)
build=${KV_FUZZ_BUILD:-$here/../../build-compose-fuzz}
CC=clang CXX=clang++ cmake -S "$here" -B "$build" -G Ninja >/dev/null
ninja -C "$build" "${target}_fuzzer" >/dev/null
corpus="$build/corpus-$target"
mkdir -p "$corpus"
dict=""
if [ "$target" = expression ]; then
    cp "$here"/seeds/* "$corpus/"
    dict="-dict=$here/expression.dict"
fi
exec "$build/${target}_fuzzer" "$corpus" $dict -max_total_time="$seconds" -max_len=4096 \
    -timeout=10 -artifact_prefix="$build/" -print_final_stats=1
