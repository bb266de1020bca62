#!/usr/bin/env bash
# Builds the structure fuzzer (clang, libFuzzer, ASan, UBSan) and runs it:
#   bash tests/structure/fuzz/run-fuzzer.sh [SECONDS]     (default 600)
# New inputs that reach new code are merged into tests/structure/fuzz/corpus, which the
# native test structure_tests replays on every test run. A crash, leak, hang or failed check
# stops the run and leaves the input as <build>/fuzz/crash-*, leak-* or timeout-*.
set -eu
cd "$(dirname "$0")/../../.."
out=${OVIX_BUILD:-build}/fuzz
seconds=${1:-600}
[ -f "$out/CMakeCache.txt" ] || CC=clang CXX=clang++ cmake -S . -B "$out" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOVIX_FUZZ=ON >/dev/null
cmake --build "$out" --target structure_fuzz -j "${OVIX_JOBS:-$(nproc)}"
fuzzer="$out/tests/structure/structure_fuzz"
work="$out/fuzz-work"
mkdir -p "$work"
"$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
  -artifact_prefix="$out/" "$work" tests/structure/fuzz/corpus tests/structure/fuzz/seeds languages
"$fuzzer" -merge=1 tests/structure/fuzz/corpus "$work" 2>&1 | tail -1
