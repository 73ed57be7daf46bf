"""A bad argument raises ValueError naming it, never crashes the interpreter: every array argument
gets a wrong shape, NaN, infinity and an empty array, every setting a word it does not know."""
import math

import numpy as np
import pytest

import photoquant
from conftest import IRON_CONC, IRON_STANDARDS, IRON_UNKNOWNS

NAN, INF = math.nan, math.inf


def standards(**changes):
    arguments = {"concentrations": IRON_CONC, "readings": IRON_STANDARDS}
    arguments.update(changes)
    return photoquant.Standards(**arguments)


def unknowns(**changes):
    arguments = {"readings": IRON_UNKNOWNS}
    arguments.update(changes)
    return photoquant.Unknowns(**arguments)


def bad_readings():
    point_nan = np.array(IRON_STANDARDS, dtype=float)[:, :, None].repeat(2, axis=2)
    point_nan[0, 0, 1] = NAN  # read at one wavelength, not at the other
    return [[1.0, 2.0], np.ones((2, 2, 2, 2)), np.ones((2, 2, 4)), [[INF, 0.1]], [], [[]],
            np.ones((0, 3)), "readings", None, point_nan]


def per_sample(count):
    return [np.ones(count + 1), np.ones((count, 1)), [NAN] * count, [INF] * count, [],
            "values"]


@pytest.mark.parametrize("value", bad_readings())
def test_bad_readings_are_refused_by_name(value):
    with pytest.raises(ValueError, match="^readings: "):
        standards(readings=value, wavelengths=[500.0, 510.0] if np.ndim(value) == 3 else None)
    with pytest.raises(ValueError, match="^readings: "):
        unknowns(readings=value)


@pytest.mark.parametrize("argument, value", [
    *[("concentrations", v) for v in per_sample(5) + [None, [-1.0, 1, 2, 4, 8]]],
    *[("wavelengths", v) for v in [[NAN], [INF], [], [500.0, 510.0], [-5.0]]],
    ("names", ["a", "b"]), ("names", "abcde"), ("names", [1, 2, 3, 4, 5]),
    ("reading_unit", "mAbs"), ("calibration", "4th order"), ("calibration", "none"),
    ("direction", "sideways"), ("weighting", "1/z"), ("decimals", -1), ("decimals", 11),
])
def test_bad_standards_arguments_are_refused_by_name(argument, value):
    with pytest.raises(ValueError, match=f"^{argument}: "):
        standards(**{argument: value})


def test_percent_transmittance_below_zero_and_weighting_of_segments_are_refused():
    with pytest.raises(ValueError, match="^readings: .*negative transmittance"):
        standards(readings=-np.ones((5, 3)), reading_unit="%T")
    with pytest.raises(ValueError, match="^weighting: "):
        standards(calibration="segmented", weighting="1/x")


@pytest.mark.parametrize("argument", ["blanks", "weights", "solvents", "dilutions", "revisions"])
def test_bad_unknowns_arrays_are_refused_by_name(argument):
    for value in per_sample(4) + ([[0, 2, 0, 0]] if argument == "blanks" else [[1, 0, 1, 1]]):
        with pytest.raises(ValueError, match=f"^{argument}: "):
            unknowns(**{argument: value})


@pytest.mark.parametrize("argument, value", [
    ("statistics_group", 0), ("lower_limit", NAN), ("upper_limit", INF), ("upper_limit", "8"),
    ("lower_limit", 9.0), ("names", ["x"]),
])
def test_bad_unknowns_settings_are_refused_by_name(argument, value):
    changes = {argument: value}
    if argument == "lower_limit" and value == 9.0:
        changes["upper_limit"] = 1.0
    with pytest.raises(ValueError, match=f"^{argument}: "):
        unknowns(**changes)


def test_bad_calibration_settings_and_mismatched_unknowns_are_refused_by_name():
    calibration = standards().calibrate()
    for argument, value in (("confidence", 1.0), ("confidence", NAN), ("alpha", 0.0),
                            ("k", -3.0), ("k", INF)):
        with pytest.raises(ValueError, match=f"^{argument}: "):
            standards().calibrate(**{argument: value})
    with pytest.raises(ValueError, match="^readings: .*3 replicates"):
        photoquant.Unknowns(np.ones((2, 2)) * 0.5).quantify(calibration)
    with pytest.raises(ValueError, match="^replicates: "):
        calibration.statistics.concentration_at(0.5, 0)
    with pytest.raises(TypeError):
        photoquant.Unknowns(IRON_UNKNOWNS).quantify("not a calibration")


def test_standards_that_give_no_curve_raise_the_programs_reason():
    with pytest.raises(ValueError, match="every standard was skipped"):
        standards(readings=np.full((5, 3), NAN)).calibrate()
    with pytest.raises(ValueError, match="needs 4 different concentrations, found 3"):
        standards(calibration="3rd order", concentrations=[1.0, 1, 2, 2, 3],
                  direction="reading from concentration").calibrate()
