#!/bin/bash
# Checks the tool's bash completion: its options, the --zone values in both
# spellings and file names after -o and --svg.
# Usage: completion_test.sh COMPLETION_SCRIPT
set -u
source "$1"
compopt() { :; }
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
touch "$folder/dial.dxf"

failures=0
expect() {
  local want=$1
  shift
  COMP_WORDS=(ziradadozo-rezudor-dxf "$@")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  _ziradadozo_rezudor_dxf
  if [[ "${COMPREPLY[*]}" != "$want" ]]; then
    echo "after '$*': got '${COMPREPLY[*]}', want '$want'"
    failures=$((failures + 1))
  fi
}

expect "--zone=" --zo
expect "--lat= --lat-deg= --lat-min= --lat-sec=" --lat
expect "--locale-numbers" --loc
expect "-12 -11 -10 -1" --zone -1
expect "-12 -11 -10 -1" --zone = -1
expect "LAT" --zone L
expect "$folder/dial.dxf" -o "$folder/di"
expect "$folder/dial.dxf" --svg = "$folder/d"
expect "" --lat-deg ""
exit $((failures > 0))
