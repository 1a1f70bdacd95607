#!/bin/sh
# Builds the image toolkit's fuzzer natively with clang and runs it for SECONDS (default 600).
set -e
seconds=${1:-600}
here=$(cd "$(dirname "$0")" && pwd)
build=${KV_FUZZ_BUILD:-$here/../../build-imaging-fuzz}
CC=clang CXX=clang++ cmake -S "$here" -B "$build" -G Ninja >/dev/null
ninja -C "$build" imaging_fuzzer >/dev/null
corpus="$build/corpus"
mkdir -p "$corpus"
# Seeds: the start of each header format the toolkit reads.
printf '\000\377\330\377\340\000\020JFIF\000\001\001\000\000\001\000\001\000\000\377\341\000\016Exif\000\000II*\000\010\000\000\000\377\300\000\021\010\000\020\000\020\003' >"$corpus/jpeg"
printf '\000\211PNG\r\n\032\n\000\000\000\rIHDR\000\000\001\000\000\000\001\000\010\006' >"$corpus/png"
printf '\000GIF89a\020\000\020\000\200\000\000' >"$corpus/gif"
printf '\000II*\000\010\000\000\000\002\000\000\001\003\000\001\000\000\000\020\000\000\000\001\001\004\000\001\000\000\000\020\000\000\000' >"$corpus/tiff"
exec "$build/imaging_fuzzer" "$corpus" -max_total_time="$seconds" -max_len=8192 -timeout=10 \
    -artifact_prefix="$build/" -print_final_stats=1
