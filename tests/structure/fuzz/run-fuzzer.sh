#!/usr/bin/env bash
# Builds a fuzzer (clang, libFuzzer, ASan, UBSan) and runs it:
#   bash tests/structure/fuzz/run-fuzzer.sh [SECONDS] [TARGET]     (default 600, structure)
# TARGET is structure (the structure reader and writer) or picture_header (the picture header
# and EXIF reader). New inputs that reach new code are merged into the target's corpus folder,
# which its native test replays on every test run. A crash, leak, hang or failed check stops
# the run and leaves the input as <build>/fuzz/crash-*, leak-* or timeout-*.
set -eu
cd "$(dirname "$0")/../../.."
out=${OVIX_BUILD:-build}/fuzz
seconds=${1:-600}
target=${2:-structure}
case "$target" in
  structure) folder=tests/structure/fuzz; inputs=(languages) ;;
  picture_header) folder=tests/photos/fuzz; inputs=(tests/photos/pictures) ;;
  *) echo "run-fuzzer: unknown target '$target' (structure or picture_header)" >&2; exit 2 ;;
esac
[ -f "$out/CMakeCache.txt" ] || CC=clang CXX=clang++ cmake -S . -B "$out" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOVIX_FUZZ=ON >/dev/null
cmake --build "$out" --target "${target}_fuzz" -j "${OVIX_JOBS:-$(nproc)}"
fuzzer="$out/$(dirname "$folder")/${target}_fuzz"
work="$out/fuzz-work-$target"
mkdir -p "$work"
"$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
  -artifact_prefix="$out/" "$work" "$folder/corpus" "$folder/seeds" "${inputs[@]}"
"$fuzzer" -merge=1 "$folder/corpus" "$work" 2>&1 | tail -1
