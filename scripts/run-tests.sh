#!/bin/sh
# Installs what is missing, then builds and runs every check: the fuzz
# targets for a bounded time, the whole test suite under AddressSanitizer
# and UndefinedBehaviorSanitizer, the whole suite in a release build, and
# the release tool's drawings in the outside programs that are installed.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh

# Window tests need no display.
export QT_QPA_PLATFORM=offscreen
jobs=2
fuzz_seconds=${FUZZ_SECONDS:-15}

echo "== Fuzzing the text readers (${fuzz_seconds} s each)"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZRD_BUILD_FUZZ=ON -DZRD_BUILD_GUI=OFF -DZRD_BUILD_TESTS=OFF -DZRD_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz -j"$jobs"
for fuzzer in build-fuzz/fuzz/*_fuzz; do
  corpus=$(mktemp -d)
  "$fuzzer" -max_total_time="$fuzz_seconds" -rss_limit_mb=2048 -timeout=5 -print_final_stats=1 "$corpus" 2>&1 | tail -n 3
  rm -rf "$corpus"
done

echo "== Tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZRD_SANITIZE=ON -DZRD_BUILD_BENCH=OFF >/dev/null
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan -j"$jobs" --output-on-failure

echo "== Tests in the release build"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build -j"$jobs" --output-on-failure

echo "== The drawings in ezdxf, LibreCAD and rsvg-convert, where installed"
scripts/check-cad-tools.sh build/cli/ziradadozo-rezudor-dxf
