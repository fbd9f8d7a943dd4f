#!/bin/sh
# Installs what is missing, then builds and runs every check: the fuzz
# targets for a bounded time, the whole test suite under AddressSanitizer
# and UndefinedBehaviorSanitizer, the whole suite in a release build, the
# tool's saves under stress, the Debian package, the release tool's drawings
# in the outside programs that are installed, and the window's starts under
# a real window manager.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh test

# Window tests need no display.
export QT_QPA_PLATFORM=offscreen
jobs=2
fuzz_seconds=${FUZZ_SECONDS:-15}

echo "== Fuzzing the text readers and the tool's options (${fuzz_seconds} s each)"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZRD_BUILD_FUZZ=ON -DZRD_BUILD_GUI=OFF -DBUILD_TESTING=OFF >/dev/null
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

echo "== Saves under stress: killed runs and concurrent writers"
tests/stress/save_stress.sh build/cli/ziradadozo-rezudor-dxf 200 100

echo "== The Debian package"
(cd build && cpack -G DEB >/dev/null)
deb=$(ls build/ziradadozo-rezudor-design_*.deb)
echo "$deb"
unpacked=$(mktemp -d)
dpkg-deb -x "$deb" "$unpacked"
for page in "$unpacked"/usr/share/man/man1/*.1.gz; do
  warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  if [ -n "$warnings" ]; then
    echo "$page: $warnings" >&2
    exit 1
  fi
done
if command -v lintian >/dev/null; then
  lintian --fail-on error "$deb"
fi
if command -v appstreamcli >/dev/null; then
  # No network in CI: the screenshot's address is checked for form only.
  # The tree check also matches the metadata with the desktop entry.
  appstreamcli validate --no-net --pedantic "$unpacked"/usr/share/metainfo/*.metainfo.xml
  appstreamcli validate-tree --no-net --pedantic "$unpacked"
fi
rm -rf "$unpacked"

# The window's frame and place depend on a window manager and on timing,
# which the offscreen platform has neither of.
if command -v Xvfb >/dev/null && command -v openbox >/dev/null; then
  echo "== The window under openbox on a busy machine"
  cmake --build build -j"$jobs" --target ziradadozo-rezudor-design
  scripts/check-window-x11.sh build/app/ziradadozo-rezudor-design
fi

echo "== The drawings in ezdxf, LibreCAD and rsvg-convert, where installed"
scripts/check-cad-tools.sh build/cli/ziradadozo-rezudor-dxf
