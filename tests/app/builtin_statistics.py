#!/usr/bin/python3
"""The calibration statistics of the built-in example (examples/one-wavelength.json), worked out
independently of photoquant with statsmodels, numpy and scipy.

Run by hand with Debian's interpreter (python3-statsmodels, python3-scipy, python3-numpy):

    /usr/bin/python3 tests/app/builtin_statistics.py

and copy what it prints into tests/app/StatisticsReportTest.cpp; CI never runs it. The run:
five iron standards in triplicate, reading = a + b c fitted by ordinary least squares; a reagent
blank whose last replicate (0.010 Abs) corrects the three samples, each read three times; the
spinach digest weighed 1.25 g and diluted 2-fold. Defaults of the run file: 95 %, alpha 0.05,
k 3, m = 3 replicates per sample.
"""
import numpy as np
import statsmodels.api as sm
from scipy import stats
from statsmodels.formula.api import ols
from statsmodels.stats.anova import anova_lm

conc = np.repeat([0.5, 1.0, 2.0, 4.0, 8.0], 3)
reading = np.array([0.104, 0.108, 0.105, 0.206, 0.203, 0.207, 0.401, 0.405, 0.399,
                    0.797, 0.802, 0.794, 1.598, 1.591, 1.602])
samples = {"Well water": ([0.512, 0.515, 0.510], 1.0),
           "River water": ([1.742, 1.738, 1.745], 1.0),
           "Spinach digest": ([0.356, 0.359, 0.354], 2.0 / 1.25)}
blank = 0.010
LEVEL, ALPHA, K, M = 0.95, 0.05, 3.0, 3
n = len(conc)

line = sm.OLS(reading, sm.add_constant(conc)).fit()
a, b = line.params
s = np.sqrt(line.scale)
dof = int(line.df_resid)
t_two = stats.t.ppf(1 - (1 - LEVEL) / 2, dof)
x_mean = conc.mean()
sxx = ((conc - x_mean) ** 2).sum()


def show(name, value):
    print(f"{name} = {value:.12g}")


show("a", a)
show("b", b)
for name, value, se, (lo, hi) in zip(("a", "b"), line.params, line.bse, line.conf_int(1 - LEVEL)):
    show(f"se_{name}", se)
    show(f"lower_{name}", lo)
    show(f"upper_{name}", hi)
show("s_yx", s)
show("dof", dof)
show("R2", line.rsquared)
show("R2_adjusted", line.rsquared_adj)

# Lack of fit: the line against one mean per concentration.
data = {"c": conc, "y": reading}
groups = ols("y ~ C(c)", data).fit()
table = anova_lm(ols("y ~ c", data).fit(), groups)
show("lack_of_fit_F", table["F"][1])
show("lack_of_fit_p", table["Pr(>F)"][1])
# Mandel (ISO 8466-1): the line against the parabola, TV = (SS1 - SS2) / (SS2 / (n - 3)).
parabola = sm.OLS(reading, np.column_stack([np.ones(n), conc, conc ** 2])).fit()
tv = (line.ssr - parabola.ssr) / (parabola.ssr / (n - 3))
show("mandel_TV", tv)
show("mandel_critical", stats.f.ppf(0.99, 1, n - 3))

# Limits: DIN 32645 (calibration method) and ICH Q2.
x_c = s / b * stats.t.ppf(1 - ALPHA, dof) * np.sqrt(1 / M + 1 / n + x_mean ** 2 / sxx)
x_q = K * x_c
for _ in range(200):
    x_q = K * s / b * stats.t.ppf(1 - ALPHA / 2, dof) * np.sqrt(
        1 / M + 1 / n + (x_q - x_mean) ** 2 / sxx)
show("x_c", x_c)
show("x_D", 2 * x_c)
show("x_Q", x_q)
show("ich_LOD", 3.3 * s / b)
show("ich_LOQ", 10 * s / b)

# Diagnostics of every point, and the flags.
influence = line.get_influence()
t_limit = stats.t.ppf(1 - 0.05 / (2 * n), dof - 1)
show("studentised_limit", t_limit)
for i, (h, t, d) in enumerate(zip(influence.hat_matrix_diag,
                                  influence.resid_studentized_external,
                                  influence.cooks_distance[0])):
    flags = ("studentised " if abs(t) > t_limit else "") + ("cook" if d > 4 / n else "")
    print(f"point {i}: leverage {h:.12g} studentised {t:.12g} cook {d:.12g} {flags}")

# Each sample: the used readings are y - blank + a, so x0 = (mean(y) - blank) / b, and the
# classical inverse prediction for m = 3 replicates, scaled by the amount correction.
for name, (ys, factor) in samples.items():
    used = np.mean(ys) - blank + a
    x0 = (used - a) / b
    se = s / b * np.sqrt(1 / len(ys) + 1 / n + (used - reading.mean()) ** 2 / (b * b * sxx))
    print(f"{name}: x0 {x0 * factor:.12g} se {se * factor:.12g} "
          f"lower {(x0 - t_two * se) * factor:.12g} upper {(x0 + t_two * se) * factor:.12g} "
          f"half {t_two * se * factor:.12g}")

# The run-file settings. "weighting": "1/x^2": weighted least squares with w = 1/c^2.
weighted = sm.WLS(reading, sm.add_constant(conc), weights=1 / conc ** 2).fit()
show("weighted_a", weighted.params[0])
show("weighted_b", weighted.params[1])
# "remove_outliers": true with Fe 4, replicate 2 read 0.850 instead of 0.802: its externally
# studentised residual lies beyond the Bonferroni limit; the line without it.
wild = reading.copy()
wild[10] = 0.850
first = sm.OLS(wild, sm.add_constant(conc)).fit()
show("wild_studentised", first.get_influence().resid_studentized_external[10])
kept = np.arange(n) != 10
refit = sm.OLS(wild[kept], sm.add_constant(conc[kept])).fit()
show("refit_a", refit.params[0])
show("refit_b", refit.params[1])
