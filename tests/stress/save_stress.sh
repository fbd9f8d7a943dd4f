#!/bin/bash
# Saves under stress: the tool killed with SIGKILL at random moments while it
# replaces a drawing, then two tools saving the same drawing and picture at
# once. After every run the drawing must be one of the two whole drawings
# the runs write, the picture must belong to the same run, and no temporary
# file may be left. A kill between naming the new file and renaming it over
# the old one (no system call does both) may leave the hidden name
# ".p.dxf.zrd-new-XXXXXX"; the next save must remove it.
#   save_stress.sh TOOL [KILLED_RUNS] [CONCURRENT_ROUNDS]
set -eu
tool=$(realpath "$1")
killed_runs=${2:-200}
rounds=${3:-100}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

site_a=(--lat-deg=40 --long-deg=5)
site_b=(--lat-deg=55 --long-deg=-3)
mkdir reference
"$tool" "${site_a[@]}" -o reference/a.dxf --svg=reference/a.svg
"$tool" "${site_b[@]}" -o reference/b.dxf --svg=reference/b.svg

fail() {
  echo "save_stress: $*" >&2
  exit 1
}

# A drawing equal to one of the two references is whole; one that is not
# is told apart: cut short, or whole but from neither run. A whole drawing
# starts with its "999" comment and ends with the EOF marker.
check_whole() {
  local file=$1
  [ "$(head -c 3 "$file")" = 999 ] || fail "$2: $file does not start as a drawing"
  [ "$(tail -c 9 "$file" | od -An -c | tr -d ' \n')" = '0\r\nEOF\r\n' ] ||
    fail "$2: $file does not end as a drawing"
}

leftovers() { ls -A out | grep -v -x -e p.dxf -e p.svg || true; }

check_no_temporary() {
  local left
  left=$(leftovers)
  [ -z "$left" ] || fail "$1: left behind: $left"
}

# Waiting by a read that times out on a pipe nobody writes: no process to
# start, so the delays are the ones asked for.
exec 3<> <(:)
pause() { read -r -t "$1" -u 3 || true; }

mkdir out
cp reference/a.dxf out/p.dxf
killed=0
spares=0
for run in $(seq "$killed_runs"); do
  if [ $((run % 2)) = 0 ]; then site=("${site_a[@]}"); else site=("${site_b[@]}"); fi
  "$tool" "${site[@]}" -o out/p.dxf &
  pid=$!
  # A run takes some milliseconds: most are killed on their way.
  pause "$(printf '0.%03d' $((RANDOM % 30)))"
  kill -KILL "$pid" 2>/dev/null || true
  status=0
  wait "$pid" 2>/dev/null || status=$?
  if [ "$status" = 137 ]; then killed=$((killed + 1)); fi
  cmp -s out/p.dxf reference/a.dxf || cmp -s out/p.dxf reference/b.dxf || {
    check_whole out/p.dxf "killed run $run"
    fail "killed run $run: the drawing is neither the old nor the new one"
  }
  if [ "$status" = 0 ]; then
    check_no_temporary "finished run $run"
  elif [ -n "$(leftovers)" ]; then
    leftovers | grep -q -v -x -E '\.p\.dxf\.zrd-new-[A-Za-z0-9]{6}' &&
      fail "killed run $run: left behind: $(leftovers)"
    spares=$((spares + 1))
  fi
done
"$tool" -o out/p.dxf
check_no_temporary "the save after the killed runs"

for round in $(seq "$rounds"); do
  "$tool" "${site_a[@]}" -o out/p.dxf --svg=out/p.svg &
  first=$!
  "$tool" "${site_b[@]}" -o out/p.dxf --svg=out/p.svg &
  second=$!
  wait "$first" || fail "round $round: the first save failed"
  wait "$second" || fail "round $round: the second save failed"
  if cmp -s out/p.dxf reference/a.dxf; then
    cmp -s out/p.svg reference/a.svg || fail "round $round: the picture is not the drawing's"
  elif cmp -s out/p.dxf reference/b.dxf; then
    cmp -s out/p.svg reference/b.svg || fail "round $round: the picture is not the drawing's"
  else
    check_whole out/p.dxf "round $round"
    fail "round $round: the drawing is neither run's"
  fi
  check_no_temporary "round $round"
done
echo "save_stress: $killed_runs runs ($killed killed before they ended, $spares leaving a" \
  "hidden name for the next save) and $rounds rounds of two writers, all whole"
