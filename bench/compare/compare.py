#!/usr/bin/python3
"""photoquant side by side with numpy and scipy.

Writes the same workloads for both into a temporary folder, runs photoquant's half
(photoquant_compare, built here unless --driver names one) and then numpy's and scipy's in this
process, and prints per-item times with their ratio, the agreement of the results, and the
accuracy of a cubic fit on badly scaled concentrations against the exact least-squares answer
computed in rational arithmetic.

Run from anywhere with Debian's interpreter, which has python3-numpy and python3-scipy:
    /usr/bin/python3 bench/compare/compare.py [--driver PATH] [--markdown]
Never run by CI: timings depend on the machine.
"""
import argparse
import json
import os
import platform
import subprocess
import sys
import tempfile
import time
from datetime import date
from fractions import Fraction

import numpy as np
import scipy
import scipy.signal

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
ROUNDS = 5
MIN_ROUND_SECONDS = 0.05

SPECTRA = 1000
POINTS = 3601            # 1000 nm down to 280 nm at 0.2 nm
SAVGOL = (7, 3, 2)       # half width (window 15), cubic, second derivative
PEAK_PROMINENCE = 0.01   # absorbance
STD_CONC = [0.0, 2.0, 4.0, 6.0, 8.0, 10.0]
STD_REP = 3
UNK_SAMPLES = 25000
UNK_REP = 4              # 100,000 unknown points


def seconds_per_call(work):
    """Best of ROUNDS rounds, each repeating work for at least MIN_ROUND_SECONDS."""
    best = float("inf")
    for _ in range(ROUNDS):
        calls = 0
        start = time.perf_counter()
        while True:
            work()
            calls += 1
            elapsed = time.perf_counter() - start
            if elapsed >= MIN_ROUND_SECONDS:
                break
        best = min(best, elapsed / calls)
    return best


def absorbance(wl, centre, width):
    return np.exp(-0.5 * ((wl - centre) / width) ** 2)


def response(conc):
    """Absorbance of the calibration standards and unknowns: slightly bending."""
    return 0.05 + 0.1 * conc - 0.0008 * conc ** 2


def make_workloads(folder, rng):
    data = {}

    def write(name, values):
        values = np.ascontiguousarray(values, dtype="<f8")
        values.tofile(os.path.join(folder, name + ".bin"))
        data[name] = values

    for n in (10, 100, 1000, 10000):
        x = np.linspace(0.5, 50.0, n)
        write("fit_x_%d" % n, x)
        write("fit_y_%d" % n, 0.002 + 0.021 * x - 1.1e-4 * x ** 2 + rng.normal(0, 5e-4, n))

    wl = 1000.0 - 0.2 * np.arange(POINTS)
    conc = rng.uniform(0.2, 2.0, SPECTRA)[:, None]
    spectra = (conc * absorbance(wl, 450.0, 8.0) + 0.4 * absorbance(wl, 600.0, 15.0)
               + 0.3 * absorbance(wl, 320.0, 10.0) + 0.05 + 1e-4 * (1000.0 - wl) / 720.0
               + rng.normal(0, 3e-4, (SPECTRA, POINTS)))
    write("spectra", spectra.ravel())
    write("spectra_shape", [SPECTRA, POINTS])
    data["spectra"] = spectra
    write("savgol_params", list(SAVGOL))
    write("peak_params", [PEAK_PROMINENCE])

    std_conc = np.array(STD_CONC)
    std_abs = response(np.repeat(std_conc, STD_REP)) + rng.normal(0, 5e-4, std_conc.size * STD_REP)
    unk_conc = np.repeat(rng.uniform(0.0, 10.0, UNK_SAMPLES), UNK_REP)
    unk_abs = response(unk_conc) + rng.normal(0, 5e-4, unk_conc.size)
    write("quant_std_conc", std_conc)
    write("quant_std_t", 10.0 ** -std_abs)
    write("quant_unk_t", 10.0 ** -unk_abs)
    write("quant_shape", [STD_REP, UNK_REP])

    # Concentrations of 1000.00 to 1002.00 in steps of 0.05: the spread is 1/500 of the offset, so
    # raw powers of x are nearly parallel columns.
    x = 1000.0 + 0.05 * np.arange(41)
    t = x - 1000.0
    write("accuracy_x", x)
    write("accuracy_y", 0.1 + 0.5 * t - 0.2 * t ** 2 + 0.03 * t ** 3 + rng.normal(0, 1e-3, x.size))
    return data


def build_driver():
    build = os.path.join(ROOT, "build", "compare")
    subprocess.run(["cmake", "-S", ROOT, "-B", build, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Release",
                    "-DBUILD_TESTING=OFF"], check=True, stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", build, "--target", "photoquant_compare", "-j", "2"],
                   check=True, stdout=subprocess.DEVNULL)
    return os.path.join(build, "bench", "photoquant_compare")


def run_driver(driver, folder):
    out = subprocess.run([driver, folder], check=True, capture_output=True, text=True).stdout
    timings, checks = {}, {}
    for line in out.splitlines():
        record = json.loads(line)
        if "workload" in record:
            timings[record["workload"]] = record["seconds_per_item"]
        else:
            checks[record["check"]] = record.get("values", record.get("value"))
    return timings, checks


def numpy_timings(data):
    timings, checks = {}, {}
    for n in (10, 100, 1000, 10000):
        x, y = data["fit_x_%d" % n], data["fit_y_%d" % n]
        for order in (1, 2, 3):
            timings["polyfit order %d n %d" % (order, n)] = seconds_per_call(
                lambda: np.polyfit(x, y, order))

    spectra = data["spectra"]
    half, poly, deriv = SAVGOL
    window = 2 * half + 1
    timings["savgol derivative per spectrum"] = seconds_per_call(
        lambda: [scipy.signal.savgol_filter(s, window, poly, deriv=deriv, mode="interp")
                 for s in spectra]) / SPECTRA
    timings["savgol derivative per spectrum, one call for all"] = seconds_per_call(
        lambda: scipy.signal.savgol_filter(spectra, window, poly, deriv=deriv, mode="interp",
                                           axis=1)) / SPECTRA
    checks["savgol spectrum 0"] = scipy.signal.savgol_filter(spectra[0], window, poly, deriv=deriv,
                                                             mode="interp")

    def peaks_and_areas(s):
        peaks, props = scipy.signal.find_peaks(s, prominence=PEAK_PROMINENCE)
        areas = [np.trapz(s[left:right + 1], dx=1.0)
                 for left, right in zip(props["left_bases"], props["right_bases"])]
        return len(peaks), areas

    timings["peaks and trapezoid areas per spectrum"] = seconds_per_call(
        lambda: [peaks_and_areas(s) for s in spectra]) / SPECTRA
    checks["peak count"] = sum(peaks_and_areas(s)[0] for s in spectra)

    std_conc = np.repeat(data["quant_std_conc"], STD_REP)
    std_t, unk_t = data["quant_std_t"], data["quant_unk_t"]

    def quantitate():
        # Displayed absorbance (4 decimals), concentration = P(absorbance) of a 2nd-order fit,
        # then mean and sample SD of each sample's replicates.
        coeffs = np.polyfit(np.round(np.log10(1.0 / std_t), 4), std_conc, 2)
        conc = np.polyval(coeffs, np.round(np.log10(1.0 / unk_t), 4)).reshape(-1, UNK_REP)
        return conc.mean(axis=1), conc.std(axis=1, ddof=1)

    timings["whole quantitation of 100,000 unknown points"] = seconds_per_call(quantitate)
    mean, sd = quantitate()
    checks["sample 0 mean and SD"] = [mean[0], sd[0]]
    return timings, checks


def exact_cubic(x, y):
    """Least-squares cubic in exact rational arithmetic from the doubles as given."""
    xs = [Fraction(v) for v in x]
    ys = [Fraction(v) for v in y]
    k = 4
    normal = [[sum(xi ** (i + j) for xi in xs) for j in range(k)] for i in range(k)]
    rhs = [sum(yi * xi ** i for xi, yi in zip(xs, ys)) for i in range(k)]
    for col in range(k):  # Gauss-Jordan, exact: no pivoting needed for accuracy
        pivot = next(r for r in range(col, k) if normal[r][col] != 0)
        normal[col], normal[pivot] = normal[pivot], normal[col]
        rhs[col], rhs[pivot] = rhs[pivot], rhs[col]
        for r in range(k):
            if r != col and normal[r][col] != 0:
                f = normal[r][col] / normal[col][col]
                normal[r] = [a - f * b for a, b in zip(normal[r], normal[col])]
                rhs[r] -= f * rhs[col]
    return [rhs[i] / normal[i][i] for i in range(k)]


def relative_errors(coeffs, exact):
    return [float(abs(Fraction(c) - e) / abs(e)) for c, e in zip(coeffs, exact)]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--driver", help="photoquant_compare to run (default: build one)")
    parser.add_argument("--markdown", action="store_true", help="print the tables as markdown")
    args = parser.parse_args()

    driver = args.driver or build_driver()
    rng = np.random.default_rng(20240611)
    with tempfile.TemporaryDirectory(prefix="photoquant-compare-") as folder:
        data = make_workloads(folder, rng)
        pq_times, pq_checks = run_driver(driver, folder)
    np_times, np_checks = numpy_timings(data)

    sep = " | " if args.markdown else "  "
    print("Machine: %s, %s, Python %s, numpy %s, scipy %s; %s" % (
        platform.processor() or platform.machine(), platform.platform(),
        platform.python_version(), np.__version__, scipy.__version__, date.today().isoformat()))
    print()
    header = ["workload", "photoquant (us)", "numpy/scipy (us)", "numpy/scipy : photoquant"]
    if args.markdown:
        print("| " + sep.join(header) + " |")
        print("|" + "---|" * len(header))
    else:
        print("%-52s %16s %18s %26s" % tuple(header))
    for name, theirs in np_times.items():
        ours = pq_times[name]
        row = [name, "%.2f" % (ours * 1e6), "%.2f" % (theirs * 1e6), "%.2f" % (theirs / ours)]
        if args.markdown:
            print("| " + sep.join(row) + " |")
        else:
            print("%-52s %16s %18s %26s" % tuple(row))

    print()
    ours = np.array(pq_checks["savgol spectrum 0"])
    theirs = np_checks["savgol spectrum 0"]
    print("Agreement: Savitzky-Golay derivative of spectrum 0, largest difference %.3g "
          "(values up to %.3g)" % (np.max(np.abs(ours - theirs)), np.max(np.abs(theirs))))
    print("Agreement: photoquant's one call for all spectra gives each as its call per spectrum: %s"
          % ("yes" if pq_checks["savgol one call equals per spectrum"] else "NO"))
    print("Agreement: peaks found over all spectra, photoquant %d, scipy %d"
          % (pq_checks["peak count"], np_checks["peak count"]))
    print("Agreement: sample 0 mean and SD, photoquant %.10g / %.10g, numpy %.10g / %.10g"
          % tuple(pq_checks["sample 0 mean and SD"] + np_checks["sample 0 mean and SD"]))

    x, y = data["accuracy_x"], data["accuracy_y"]
    exact = exact_cubic(x, y)
    ours = relative_errors(pq_checks["cubic coefficients"], exact)
    theirs = relative_errors(list(np.polyfit(x, y, 3)[::-1]), exact)
    print()
    print("Cubic fit, x = 1000.00 .. 1002.00 in 41 steps: relative error of each coefficient "
          "against the exact rational least-squares answer")
    rows = [["c%d" % i, "%.3g" % float(exact[i]), "%.2e" % ours[i], "%.2e" % theirs[i]]
            for i in range(4)]
    header = ["coefficient", "exact", "photoquant", "numpy.polyfit"]
    if args.markdown:
        print("| " + sep.join(header) + " |")
        print("|" + "---|" * len(header))
        for row in rows:
            print("| " + sep.join(row) + " |")
    else:
        for row in [header] + rows:
            print("%-12s %14s %14s %14s" % tuple(row))
    return 0


if __name__ == "__main__":
    sys.exit(main())
