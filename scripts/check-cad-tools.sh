#!/bin/sh
# Opens the tool's drawings in outside programs, each check only when its
# program is installed: ezdxf's audit (python3-ezdxf), LibreCAD's dxf2pdf
# (librecad, optional and heavy: install it yourself) and rsvg-convert
# (librsvg2-bin). Usage: scripts/check-cad-tools.sh PATH_TO_ziradadozo-rezudor-dxf
set -eu
tool=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Every option for dial makers, on a northern and a southern site and on
# local apparent time, and the default drawing.
draw() {
  name=$1
  shift
  "$tool" "$@" -o "$work/$name.dxf" --svg="$work/$name.svg"
}
draw plain
draw north --minutes=5 --style-thickness=3mm --eot-table --zone=1 --dst --long-deg=-8
draw south --minutes=15 --style-thickness=0.05 --eot-table --zone=10 --lat-deg=-33 \
  --lat-min=52 --long-deg=-151 --long-min=12
draw lat --minutes=30 --style-thickness=0.02 --zone=LAT --long-deg=-151
drawings="plain north south lat"

# The audit needs Debian's own python, where python3-ezdxf lives.
python=/usr/bin/python3
if [ -x "$python" ] && "$python" -c "import ezdxf" 2>/dev/null; then
  for name in $drawings; do
    "$python" - "$work/$name.dxf" <<'PY'
import sys
import ezdxf
doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
problems = [str(e) for e in auditor.errors] + [f.message for f in auditor.fixes]
if problems:
    sys.exit(sys.argv[1] + ": " + "; ".join(problems))
layers = {e.dxf.layer for e in doc.modelspace()}
print(sys.argv[1].rsplit("/", 1)[1], "audit clean, layers", " ".join(sorted(layers)))
PY
  done
else
  echo "skipped: ezdxf audit (apt-get install python3-ezdxf)"
fi

if command -v librecad >/dev/null 2>&1; then
  for name in $drawings; do
    QT_QPA_PLATFORM=offscreen librecad dxf2pdf -a -o "$work/$name.pdf" "$work/$name.dxf" \
      >"$work/librecad.log" 2>&1 || { cat "$work/librecad.log"; exit 1; }
    [ -s "$work/$name.pdf" ] || { echo "$name.dxf: LibreCAD printed no PDF"; exit 1; }
    echo "$name.dxf prints with LibreCAD"
  done
else
  echo "skipped: LibreCAD print (optional: apt-get install librecad)"
fi

if command -v rsvg-convert >/dev/null 2>&1; then
  for name in $drawings; do
    rsvg-convert -w 800 "$work/$name.svg" -o "$work/$name.png"
    [ -s "$work/$name.png" ] || { echo "$name.svg: rsvg-convert drew nothing"; exit 1; }
    echo "$name.svg renders with rsvg-convert"
  done
else
  echo "skipped: SVG render (apt-get install librsvg2-bin)"
fi
