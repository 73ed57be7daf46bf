"""Every example run file from Python gives the program's numbers: run(path) against the tables
the program writes with --csv (every number of the text report, in full precision), and the
arrays of its calibration and quantitation against the same tables."""
import csv
import importlib.util
import math
import subprocess

import numpy as np
import pytest

import photoquant
from conftest import EXAMPLES


def program_tables(program, example, folder):
    subprocess.run([program, "run", str(example), "--csv", str(folder)], check=True,
                   stdout=subprocess.DEVNULL)
    tables = {}
    for path in folder.glob("*.csv"):
        with open(path, newline="", encoding="utf-8") as f:
            rows = list(csv.reader(f))
        tables[path.stem] = rows
    return tables


def column(rows, header):
    index = rows[0].index(header)
    return [row[index] for row in rows[1:]]


def numbers(cells):
    return np.array([float(c) if c else math.nan for c in cells])


def same(actual, expected):
    np.testing.assert_array_equal(np.asarray(actual, dtype=float), numbers(expected))


def check_quantitation(quantitation, expected):
    samples = expected["samples"]
    mean_header = next(h for h in samples[0] if h.startswith("Mean"))
    same(quantitation.mean, column(samples, mean_header))
    same(quantitation.sd, column(samples, mean_header.replace("Mean", "SD")))
    same(quantitation.cv, column(samples, "CV (%)"))
    if "Flag" in samples[0]:
        assert list(quantitation.flags) == column(samples, "Flag")
    interval_headers = [h for h in samples[0] if h.startswith("Lower bound")]
    if interval_headers:
        same(quantitation.lower, column(samples, interval_headers[0]))

    points = expected["unknown-points"]
    result_header = next((h for h in points[0] if h.startswith("Result")), None)
    if result_header and "Position" not in points[0]:
        measured = ~np.isnan(quantitation.values)
        same(quantitation.concentrations[measured], column(points, result_header))


@pytest.mark.parametrize("example", EXAMPLES, ids=[e.stem for e in EXAMPLES])
def test_run_gives_the_programs_tables_and_arrays(program, example, tmp_path):
    expected = program_tables(program, example, tmp_path)
    result = photoquant.run(example)  # a path, or its text
    assert sorted(result.tables) == sorted(expected)
    for name, rows in expected.items():
        table = result.tables[name]
        assert list(table) == rows[0], name
        for header in rows[0]:
            cells = column(rows, header)
            values = table[header]
            if values.dtype == object:
                assert list(values) == cells, (name, header)
            else:
                same(values, cells)

    if "samples" in expected:
        check_quantitation(result.quantitation, expected)
    calibration = result.calibration
    if calibration is not None and "calibration" in expected:
        segments = expected["calibration"]
        coefficients = np.atleast_2d(calibration.coefficients)
        for row, segment in zip(coefficients, segments[1:]):
            same(row, [column([segments[0], segment], f"A{j}")[0] for j in range(len(row))])
        if calibration.calibration != "segmented":
            same([calibration.r, calibration.r_squared], [segments[1][-2], segments[1][-1]])


def test_report_text_is_the_programs(program):
    printed = subprocess.run([program], check=True, capture_output=True, text=True).stdout
    text = photoquant.run().text

    def without_time(report):
        return [line for line in report.splitlines() if not line.startswith("Date and time:")]

    assert without_time(text) == without_time(printed)


def test_bad_run_file_and_failed_run_raise(tmp_path):
    with pytest.raises(ValueError, match="cannot read the run file"):
        photoquant.run(str(tmp_path / "missing.json"))
    flat = tmp_path / "flat.json"
    text = (EXAMPLES[0].parent / "one-wavelength.json").read_text()
    flat.write_text(text.replace('"concentration": 8.0', '"concentration": 0.5')
                        .replace('"concentration": 4.0', '"concentration": 0.5')
                        .replace('"concentration": 2.0', '"concentration": 0.5')
                        .replace('"concentration": 1.0', '"concentration": 0.5'))
    with pytest.raises(RuntimeError, match="the standards give no calibration curve"):
        photoquant.run(str(flat))


def public_values(item):
    return {name: getattr(item, name) for name in dir(item) if not name.startswith("__")}


@pytest.mark.parametrize("example", EXAMPLES, ids=[e.stem for e in EXAMPLES])
def test_every_attribute_of_every_example_reads(example):
    result = photoquant.run(example)
    items = [result, result.quantitation, result.calibration]
    if result.calibration is not None:
        items.append(result.calibration.statistics)
    for item in filter(None, items):
        for name, value in public_values(item).items():
            if name in ("_repr_svg_", "_repr_html_"):
                assert value().count("<svg") >= 1
    if importlib.util.find_spec("pandas"):
        assert len(result.quantitation.to_frame()) == len(result.quantitation.mean)
