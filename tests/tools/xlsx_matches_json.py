#!/usr/bin/python3
"""Reads a workbook of `vendrix run --xlsx` back with openpyxl, an independent
reader, and compares every number in it with the JSON of the same run
(`--json --profile`). Usage: xlsx_matches_json.py BOOK.xlsx RUN.json SHAPE,
SHAPE being filled, 1 or 2 (the --consolidate option given). Prints each
difference and exits with 1 when there is one."""
import json
import sys

import openpyxl

# The program's display factors from SI, by the unit the workbook shows (the
# Asian-Pacific setting writes "^2" for " \u00b2").
UNIT_FACTORS = {
    "": 1.0, "m": 1.0, "m \u00b2": 1.0, "m^2": 1.0, "kPa": 1.0, "kN/m": 1.0,
    "kN/m \u00b3": 1.0, "kN/m^3": 1.0, "ft": 3.28084, "ft \u00b2": 3.28084 ** 2,
    "ft^2": 3.28084 ** 2, "psi": 0.145, "lb/ft": 68.519, "lb/ft \u00b3": 6.365627,
    "lb/ft^3": 6.365627,
}
# libxlsxwriter writes 16 significant digits.
RELATIVE_TOLERANCE = 1e-14

problems = []


def expect_close(what, shown, factor, expected):
    if not isinstance(shown, (int, float)) or isinstance(shown, bool):
        problems.append(f"{what}: {shown!r} is not a number")
    elif abs(shown / factor - expected) > RELATIVE_TOLERANCE * max(1.0, abs(expected)):
        problems.append(f"{what}: {shown} / {factor} is not {expected}")


def expected_outline(run, shape):
    """Both halves in metres, as the program lists them."""
    if shape == "2":
        half = run["solution"]["maxWidth"] / 2
        top = run["consolidation"]["finalHeight"]
        return [(half, 0.0), (half, top), (-half, top), (-half, 0.0)]
    if shape == "1":
        xs, ys = run["consolidation"]["shapeX"][:361], run["consolidation"]["shapeY"][:361]
    else:
        xs, ys = run["solution"]["profileX"], run["solution"]["profileY"]
    right = list(zip(xs, ys))
    return right + [(-x, y) for x, y in reversed(right)]


def check_profile(sheet, run, shape):
    rows = list(sheet.iter_rows(values_only=True))
    x_head, y_head = rows[0][:2]
    unit = x_head[len("X ["):-1]
    if x_head != f"X [{unit}]" or y_head != f"Y [{unit}]" or unit not in ("m", "ft"):
        problems.append(f"profile header {rows[0]}")
        return
    expected = expected_outline(run, shape)
    if len(rows) - 1 != len(expected):
        problems.append(f"profile has {len(rows) - 1} points, not {len(expected)}")
    for i, (row, (x, y)) in enumerate(zip(rows[1:], expected)):
        expect_close(f"profile point {i} x", row[0], UNIT_FACTORS[unit], x)
        expect_close(f"profile point {i} y", row[1], UNIT_FACTORS[unit], y)


def check_results(sheet, run):
    rows = list(sheet.iter_rows(values_only=True))
    if rows[0] != ("Input", "Value", "Unit"):
        problems.append(f"inputs header {rows[0]}")
    start = rows.index(("Result", "Value", "Unit"))
    expected = dict(run["solution"])
    expected.update(run.get("consolidation", {}))
    numbers = {k: v for k, v in expected.items() if not isinstance(v, list)}
    seen = set()
    for name, value, unit in rows[start + 1:]:
        if name not in numbers or (unit or "") not in UNIT_FACTORS:
            problems.append(f"result row {name!r} [{unit!r}] is not in the JSON")
            continue
        seen.add(name)
        expect_close(name, value, UNIT_FACTORS[unit or ""], numbers[name])
    for name in sorted(set(numbers) - seen):
        problems.append(f"{name} is not in the workbook")


def main(book_path, json_path, shape):
    with open(json_path, encoding="utf-8") as f:
        run = json.load(f)
    book = openpyxl.load_workbook(book_path)
    if book.sheetnames != ["Profile", "Inputs and results"]:
        problems.append(f"sheets {book.sheetnames}")
        return
    check_profile(book["Profile"], run, shape)
    check_results(book["Inputs and results"], run)
    print(json.dumps({"created": book.properties.created.isoformat()}))


if __name__ == "__main__":
    main(*sys.argv[1:4])
    for problem in problems[:20]:
        print(problem, file=sys.stderr)
    sys.exit(1 if problems else 0)
