"""The README's Python example runs as written and gives the built-in run's results."""
import re

import numpy as np

import photoquant
from conftest import SOURCE


def test_readme_example_runs_as_written(capsys):
    readme = (SOURCE / "README.md").read_text()
    section = readme[readme.index("## Use it from Python"):]
    example = re.search(r"```python\n(.*?)```", section, re.S).group(1)
    namespace = {}
    exec(compile(example, "README.md", "exec"), namespace)
    assert "HIGH" in capsys.readouterr().out
    expected = photoquant.run().quantitation
    np.testing.assert_array_equal(namespace["result"].mean, expected.mean)
    np.testing.assert_array_equal(namespace["result"].upper, expected.upper)
