# Shared by the comparison scripts: build folder, Wine runner, native tools, a work folder.
# Sourced with the build folder as $1 (default $KV_BUILD or build/).
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=${1:-${KV_BUILD:-$root/build}}
run="$build/wine-run.sh"
bench="$build/bench/imaging"
py=/usr/bin/python3

# The native references come from Debian packages.
if ! command -v vipsthumbnail >/dev/null || ! "$py" -c 'import PIL' 2>/dev/null; then
    apt-get install -y libvips-tools python3-pil >/dev/null
fi
ninja -C "$build" shrink_bench resample_bench adjust_bench >/dev/null

work=$(mktemp -d /tmp/kv-imaging-bench.XXXXXX)
trap 'rm -rf "$work"' EXIT
winpath() { echo "Z:${1//\//\\}"; }

# value KEY FILE: the number after "KEY " in FILE.
value() { awk -v k="$1" '$1 == k { print $2 }' "$2"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
