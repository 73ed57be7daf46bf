"""What the Python module's tests share: the repository, the program, and the module itself,
found on PYTHONPATH as ctest sets it (build/release/python)."""
import os
import pathlib

import pytest

SOURCE = pathlib.Path(os.environ.get("PHOTOQUANT_SOURCE", pathlib.Path(__file__).parents[2]))
EXAMPLES = sorted((SOURCE / "examples").glob("*.json"))

# The iron(II) standards and samples of the built-in example (examples/one-wavelength.json).
IRON_CONC = [0.5, 1.0, 2.0, 4.0, 8.0]
IRON_STANDARDS = [[0.104, 0.108, 0.105], [0.206, 0.203, 0.207], [0.401, 0.405, 0.399],
                  [0.797, 0.802, 0.794], [1.598, 1.591, 1.602]]
IRON_UNKNOWNS = [[0.009, 0.011, 0.010], [0.512, 0.515, 0.510], [1.742, 1.738, 1.745],
                 [0.356, 0.359, 0.354]]


@pytest.fixture(scope="session")
def program():
    """The photoquant program the module's results are compared with."""
    return os.environ["PHOTOQUANT_EXE"]
