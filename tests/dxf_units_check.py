#!/usr/bin/python3
"""Reads the tool's true-size DXF drawings with ezdxf: each must pass its
audit, state its unit and hold the gnomon's base at the length asked for.

usage: dxf_units_check.py TOOL
"""
import math
import subprocess
import sys
import tempfile

import ezdxf
from ezdxf import units

CASES = [
    ("100mm", 100.0, units.MM, 1),
    ("12.5cm", 12.5, units.CM, 1),
    ("4in", 4.0, units.IN, None),
]


def check(tool, folder, option, length, unit, measurement):
    path = f"{folder}/dial-{option}.dxf"
    subprocess.run([tool, f"--gnomon-length={option}", "-o", path], check=True)
    doc = ezdxf.readfile(path)
    auditor = doc.audit()
    problems = []
    if auditor.has_errors:
        problems.append(f"audit errors: {[str(e) for e in auditor.errors]}")
    if doc.units != unit:
        problems.append(f"$INSUNITS {doc.units}, not {unit}")
    if measurement is not None and doc.header.get("$MEASUREMENT") != measurement:
        problems.append(f"$MEASUREMENT {doc.header.get('$MEASUREMENT')}, not {measurement}")
    base = [
        line for line in doc.modelspace().query("LINE")
        if math.isclose(line.dxf.start.y, 0, abs_tol=1e-9)
        and math.isclose(line.dxf.end.y, 0, abs_tol=1e-9)
        and math.isclose(line.dxf.start.x, 2 * length, rel_tol=1e-9)
    ]
    if len(base) != 1 or not math.isclose(
            base[0].dxf.end.x - base[0].dxf.start.x, length, rel_tol=1e-9):
        problems.append(f"no gnomon base of length {length}")
    return [f"{option}: {p}" for p in problems]


def main():
    tool = sys.argv[1]
    with tempfile.TemporaryDirectory() as folder:
        problems = [p for case in CASES for p in check(tool, folder, *case)]
    for problem in problems:
        print(problem)
    print("ezdxf", ezdxf.__version__, "read", len(CASES), "drawings:", "FAILED" if problems else "ok")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
