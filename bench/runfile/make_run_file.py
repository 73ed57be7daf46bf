#!/usr/bin/env python3
"""Writes a run file of many unknown points for timing the host program.

    make_run_file.py POINTS OUTPUT.json [--no-statistics] [--replicates R]

The analysis is that of a plate reader's export: 6 standards at 595 nm, a
2nd-order calibration (concentration from the reading), and POINTS unknown points in samples of
R replicates (4 by default, the standards too); every 50th sample is a reagent blank and every 97th point was not
measured. Readings are absorbances with 4 decimals, as an instrument exports them.
"""
import argparse
import json
import random


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("points", type=int)
    parser.add_argument("output")
    parser.add_argument("--no-statistics", action="store_true")
    parser.add_argument("--replicates", type=int, default=4)
    args = parser.parse_args()

    rng = random.Random(15)
    concs = [125.0, 250.0, 500.0, 750.0, 1000.0, 1500.0]

    def response(c):
        return 0.02 + 8.2e-4 * c - 1.6e-7 * c * c

    standards = [
        {
            "name": f"BSA {c:g}",
            "concentration": c,
            "readings": [[round(response(c) + rng.gauss(0.0, 0.002), 4)] for _ in range(args.replicates)],
        }
        for c in concs
    ]
    reps = args.replicates
    unknowns = []
    point = 0
    for s in range((args.points + reps - 1) // reps):
        blank = s % 50 == 0
        level = 0.0 if blank else rng.uniform(150.0, 1400.0)
        readings = []
        for _ in range(reps):
            readings.append(
                None if point % 97 == 96 else [round(response(level) + rng.gauss(0.0, 0.003), 4)]
            )
            point += 1
        entry = {"name": f"Sample {s + 1}", "readings": readings}
        if blank:
            entry["blank"] = True
        unknowns.append(entry)

    run = {
        "title": f"Protein by dye binding, {args.points:,} unknown points",
        "reading_unit": "Abs",
        "method": {
            "quantitation": "wavelength",
            "wavelengths": [595.0],
            "replicates": reps,
            "calibration": "2nd order",
            "direction": "concentration from reading",
            "unit": "ug/mL",
            "decimals": 1,
            "statistics": not args.no_statistics,
        },
        "instrument": {"data_mode": "Abs", "slit": "2", "baseline": "System", "wi_lamp": "On"},
        "standards": standards,
        "unknowns": unknowns,
    }
    with open(args.output, "w", encoding="utf-8") as out:
        json.dump(run, out, separators=(",", ":"))


if __name__ == "__main__":
    main()
