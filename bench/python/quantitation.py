#!/usr/bin/python3
"""A quantitation of 100,000 unknown points from Python against the same work in C++.

From the repository root, after building the release configuration:

    /usr/bin/python3 bench/python/quantitation.py

It times photoquant.Unknowns(readings).quantify(calibration) (the arrays copied in, the program's
runner, the results read back as arrays) for 250, 2,500 and 25,000 samples of 4 replicates, best
of 5 rounds, then runs build/release/bench/photoquant_python_bench, which times on the same
readings the runner alone and the documents' block path alone (QuantitationRunBench.cpp), and
prints the three and Python's time over each. Nothing is asserted: timings belong to the machine.
"""
import json
import pathlib
import subprocess
import sys
import time

ROOT = pathlib.Path(__file__).resolve().parents[2]
BUILD = ROOT / "build" / "release"
sys.path.insert(0, str(BUILD / "python"))

import numpy as np  # noqa: E402
import photoquant  # noqa: E402

REPLICATES = 4
SIZES = [250, 2500, 25000]
ROUNDS = 5


def unknown_absorbances(samples):
    """0.1 to 1.5 Abs, point p at 0.1 + 1.4 ((7919 p) mod 10007) / 10007, as in C++."""
    p = np.arange(samples * REPLICATES, dtype=np.int64)
    return (0.1 + 1.4 * ((p * 7919) % 10007) / 10007.0).reshape(samples, REPLICATES)


def python_seconds(calibration, samples):
    readings = unknown_absorbances(samples)
    best = float("inf")
    for _ in range(ROUNDS):
        start = time.perf_counter()
        result = photoquant.Unknowns(readings).quantify(calibration)
        result.concentrations, result.mean, result.sd
        best = min(best, time.perf_counter() - start)
    return best


def cpp_seconds():
    """The best of the C++ benchmarks' repetitions, in seconds, by benchmark and size."""
    out = subprocess.run([str(BUILD / "bench" / "photoquant_python_bench"),
                          "--benchmark_format=json", f"--benchmark_repetitions={ROUNDS}"],
                         check=True, capture_output=True, text=True).stdout
    times = {}
    for run in json.loads(out)["benchmarks"]:
        if run.get("run_type") == "iteration":
            name, size = run["run_name"].split("/")
            key = (name, int(size))
            seconds = run["real_time"] / 1000.0  # reported in milliseconds
            times[key] = min(times.get(key, seconds), seconds)
    return times


def main():
    standards = [[0.104, 0.108, 0.105, 0.106], [0.206, 0.203, 0.207, 0.205],
                 [0.401, 0.405, 0.399, 0.402], [0.797, 0.802, 0.794, 0.800],
                 [1.598, 1.591, 1.602, 1.600]]
    calibration = photoquant.Standards([0.5, 1.0, 2.0, 4.0, 8.0], standards,
                                       direction="reading from concentration").calibrate()
    cpp = cpp_seconds()
    print("| points | Python (ms) | C++ runner (ms) | C++ block path (ms) "
          "| Python : runner | Python : block path |")
    print("|---|---|---|---|---|---|")
    for samples in SIZES:
        py = python_seconds(calibration, samples)
        run = cpp[("BM_RunQuantitation", samples)]
        block = cpp[("BM_DocumentBlockPath", samples)]
        print(f"| {samples * REPLICATES:,} | {py * 1e3:.1f} | {run * 1e3:.1f} | {block * 1e3:.1f} "
              f"| {py / run:.2f} | {py / block:.2f} |")


if __name__ == "__main__":
    main()
