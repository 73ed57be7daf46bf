"""The calibration statistics from Python equal statsmodels' on the reference sets: the numbers
tests/statistics/reference.py froze with statsmodels (it runs by hand, not here), to 1e-9."""
import numpy as np
import pytest

import photoquant
from conftest import SOURCE

DIRECTIONS = ["reading from concentration", "concentration from reading"]
WEIGHTINGS = ["none", "1/x", "1/x^2", "1/y", "1/y^2", "1/s^2"]


def reference_sets():
    sets = {}
    current = None
    for line in (SOURCE / "tests/statistics/reference-values.txt").read_text().splitlines():
        key, *values = line.split()
        if key == "set":
            current = sets.setdefault(values[0], {})
        elif current is not None and not key.startswith("#") and key != "end":
            current[key] = np.array([float(v) for v in values])
    return sets


SETS = reference_sets()


def close(actual, expected, scale=0.0):
    tolerance = 1e-9 * np.maximum(np.abs(expected), scale)
    assert np.all(np.abs(np.asarray(actual) - expected) <= tolerance), (actual, expected)


@pytest.mark.parametrize("name", list(SETS))
def test_statistics_equal_statsmodels(name):
    ref = SETS[name]
    replicates = int(ref["replicates"][0])
    readings = ref["readings"].reshape(-1, replicates)
    order = int(ref["order"][0])
    calibration = photoquant.Standards(
        ref["conc"], readings, calibration=f"{order}{['st', 'nd', 'rd'][order - 1]} order",
        through_zero=bool(ref["force_zero"][0]),
        direction=DIRECTIONS[int(ref["direction"][0])],
        weighting=WEIGHTINGS[int(ref["weighting"][0])]).calibrate()
    stats = calibration.statistics
    s = ref["s"][0]
    close(stats.residual_sd, s)
    assert stats.degrees_of_freedom == int(ref["dof"][0])
    close(stats.r_squared, ref["r2"][0])
    close(stats.adjusted_r_squared, ref["adj_r2"][0])
    close(stats.coefficients, ref["coef"])
    close(stats.standard_errors, ref["coef_se"])
    close(stats.lower, ref["coef_lower"])
    close(stats.upper, ref["coef_upper"])
    points = stats.points
    close(points["fitted"], ref["fitted"])
    close(points["residual"], ref["resid"], s)
    close(points["leverage"], ref["leverage"])
    close(points["studentized"], ref["student"], 1.0)
    close(points["cooks_distance"], ref["cooks"], 1.0)
    for key, test in (("lof", stats.lack_of_fit), ("mandel", stats.mandel)):
        if key in ref:
            statistic, critical, p_value, df1, df2 = ref[key]
            close([test["statistic"], test["critical"], test["p_value"]],
                  [statistic, critical, p_value])
            assert (test["df1"], test["df2"]) == (df1, df2)
        else:
            assert test["verdict"] == "not applicable"
    # The run takes the limits for m = the standards' replicates, the references for m = 1: the
    # DIN 32645 limits, which depend on m, are compared where the two agree.
    limits = stats.limits
    din = len(ref["limits"]) == 7
    expected = list(ref["limits"][:2]) + list(ref["limits"][-2:])
    names = ["slope", "sigma", "ich_detection_limit", "ich_quantification_limit"]
    if din and replicates == 1:
        expected += list(ref["limits"][2:5])
        names += ["critical_value", "detection_limit", "quantification_limit"]
    close([limits[n] for n in names], expected)
    for reading, m, x0, sx0, lower, upper in zip(ref["unknown_readings"], ref["unknown_m"],
                                                 ref["x0"], ref["sx0"], ref["x0_lower"],
                                                 ref["x0_upper"]):
        conc, se, lo, hi = stats.concentration_at(reading, int(m))
        close([conc, se, lo, hi], [x0, sx0, lower, upper])
