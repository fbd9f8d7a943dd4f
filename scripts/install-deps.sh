#!/bin/sh
# Installs the Debian 12 packages that one kind of build needs, only those
# that are missing:
#   scripts/install-deps.sh plain     the two programs: a compiler, CMake, Qt
#   scripts/install-deps.sh package   also the man page, the PNG icons and
#                                     the .deb (cpack -G DEB)
#   scripts/install-deps.sh [test]    everything scripts/run-tests.sh needs
# LibreCAD, which scripts/check-cad-tools.sh prints the drawings with, is
# left out: it is large, and that check is skipped without it.
set -eu

build=${1:-test}
plain="g++ cmake make qt6-base-dev libgl-dev libxcb1-dev"
package="$plain help2man librsvg2-bin dpkg-dev file"
test="$package libgtest-dev libbenchmark-dev clang libclang-rt-dev locales util-linux
xvfb xauth openbox x11-utils xdotool lintian appstream python3-ezdxf
poppler-utils strace"
case $build in
  plain) packages=$plain ;;
  package) packages=$package ;;
  test) packages=$test ;;
  *)
    echo "usage: $0 [plain|package|test]" >&2
    exit 2
    ;;
esac

if ! command -v apt-get >/dev/null || ! command -v dpkg-query >/dev/null; then
  cat >&2 <<MESSAGE
$0: this system has no apt-get; install these with its own package manager:
  plain build:   a C++20 compiler (GCC 12 or Clang 15), CMake 3.25 or later,
                 make, Qt 6 Widgets development files (with OpenGL headers)
  package build: also help2man, rsvg-convert (librsvg), gzip
  tests:         also GoogleTest, Google Benchmark, clang with libFuzzer,
                 a de_DE.UTF-8 locale; lintian and appstreamcli if available
Then configure with: cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
(add -DBUILD_TESTING=OFF for the plain build).
MESSAGE
  exit 1
fi

as_root() {
  if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi
}

missing=""
for name in $packages; do
  if ! dpkg-query -W -f='${Status}' "$name" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $name"
  fi
done
if [ -n "$missing" ]; then
  echo "Installing:$missing"
  as_root apt-get update -q
  # shellcheck disable=SC2086
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
fi

# The tests need a locale with a decimal comma, to show that drawings never
# depend on it.
if [ "$build" = test ] && ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  as_root sh -c "sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen &&
    (grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' >> /etc/locale.gen) &&
    locale-gen"
fi
