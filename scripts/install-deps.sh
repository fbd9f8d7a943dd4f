#!/bin/sh
# Installs the Debian 12 packages that building and testing need, only those
# that are missing, and makes the comma locale the tests use.
set -eu

packages="g++ cmake make qt6-base-dev libgl-dev libgtest-dev libbenchmark-dev
clang libclang-rt-dev locales util-linux xvfb xauth python3-ezdxf poppler-utils"

as_root() {
  if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi
}

missing=""
for package in $packages; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $package"
  fi
done
if [ -n "$missing" ]; then
  echo "Installing:$missing"
  as_root apt-get update -q
  # shellcheck disable=SC2086
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
fi

# A locale with a decimal comma, to show that drawings never depend on it.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  as_root sh -c "sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen &&
    (grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' >> /etc/locale.gen) &&
    locale-gen"
fi
