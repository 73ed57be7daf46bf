"""Standards and unknowns given as arrays give what the program gives for the same run file, and
the arrays say what the documents hold."""
import math

import numpy as np
import pytest

import photoquant
from conftest import IRON_CONC, IRON_STANDARDS, IRON_UNKNOWNS


def iron_calibration(**changes):
    arguments = dict(direction="reading from concentration", unit="mg/L")
    arguments.update(changes)
    return photoquant.Standards(IRON_CONC, IRON_STANDARDS, **arguments).calibrate()


def iron_unknowns(readings=IRON_UNKNOWNS, **changes):
    arguments = dict(blanks=[True, False, False, False], weights=[1, 1, 1, 1.25],
                     dilutions=[1, 1, 1, 2], lower_limit=0.5, upper_limit=8.0)
    arguments.update(changes)
    return photoquant.Unknowns(readings, **arguments)


def test_arrays_give_the_built_in_runs_numbers():
    program = photoquant.run()
    calibration = iron_calibration()
    result = iron_unknowns().quantify(calibration)
    expected = program.quantitation
    np.testing.assert_array_equal(calibration.coefficients, program.calibration.coefficients)
    np.testing.assert_array_equal(calibration.t_value, program.calibration.t_value)
    for name in ("concentrations", "mean", "sd", "cv", "lower", "upper", "used_readings"):
        np.testing.assert_array_equal(getattr(result, name), getattr(expected, name), name)
    assert list(result.flags) == ["", "", "HIGH", ""]
    # Hand-worked: the well water's first replicate, y' = 0.512 - 0.010 (the blank's last
    # replicate) + y0, read off Abs = c0 + c1 c.
    c0, c1 = calibration.coefficients
    used = 0.512 - 0.010 + calibration.blank_reading
    assert result.concentrations[1, 0] == pytest.approx((used - c0) / c1, rel=1e-12)
    assert math.isclose(calibration.blank_reading, c0, abs_tol=1e-4)


def test_percent_transmittance_and_skipped_points():
    in_percent = 100.0 * 10.0 ** -np.array(IRON_UNKNOWNS)
    by_abs = iron_unknowns().quantify(iron_calibration())
    by_t = iron_unknowns(in_percent, reading_unit="%T").quantify(iron_calibration())
    np.testing.assert_array_equal(by_abs.concentrations, by_t.concentrations)
    skipped = np.array(IRON_UNKNOWNS)
    skipped[1, 2] = np.nan
    result = iron_unknowns(skipped).quantify(iron_calibration())
    assert np.isnan(result.concentrations[1, 2])
    assert result.samples["n"][1] == 2
    assert result.mean[1] == pytest.approx(np.mean(result.concentrations[1, :2]), rel=1e-15)


def test_calibration_results_and_outlier_removal():
    readings = np.array(IRON_STANDARDS)
    readings[2, 1] = 0.440  # one replicate of the 2 mg/L standard far off
    calibration = photoquant.Standards(IRON_CONC, readings, direction="reading from concentration",
                                       ).calibrate(remove_outliers=True)
    assert list(calibration.removed_points) == [7]  # standard 2, replicate 1: 2 * 3 + 1
    assert np.isnan(calibration.readings[2, 1])
    kept = ~np.isnan(calibration.readings)
    conc = np.repeat(IRON_CONC, 3)[kept.ravel()]
    slope, intercept = np.polyfit(conc, calibration.readings[kept], 1)
    np.testing.assert_allclose(calibration.coefficients, [intercept, slope], rtol=1e-12)
    assert calibration.statistics.degrees_of_freedom == 14 - 2
    assert calibration.statistics_status == "ready"
    two_points = photoquant.Standards([1.0, 2.0], [[0.1], [0.2]]).calibrate()
    assert (two_points.statistics, two_points.statistics_status) == (None, "no degrees of freedom")


def test_segmented_calibration_has_a_row_per_segment_and_no_statistics():
    calibration = iron_calibration(calibration="segmented")
    assert calibration.coefficients.shape == (4, 2)
    assert calibration.statistics is None
    assert calibration.statistics_status == "not polynomial"
    # The first segment joins the mean readings of the first two standards.
    means = np.mean(IRON_STANDARDS, axis=1)
    slope = (means[1] - means[0]) / (IRON_CONC[1] - IRON_CONC[0])
    assert calibration.coefficients[0, 1] == pytest.approx(slope, rel=1e-3)


def test_notebook_shows_the_programs_plot_and_pandas_gets_a_frame():
    calibration = iron_calibration()
    assert calibration._repr_svg_().startswith("<svg")
    assert calibration._repr_html_().count("<svg") == 2
    assert "1st order" in repr(calibration)
    pandas = pytest.importorskip("pandas")
    frame = iron_unknowns().quantify(calibration).to_frame()
    assert isinstance(frame, pandas.DataFrame)
    assert list(frame["flag"]) == ["", "", "HIGH", ""]
