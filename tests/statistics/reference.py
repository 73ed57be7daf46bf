#!/usr/bin/python3
"""Reference values of the calibration statistics, computed independently with statsmodels.

Run by hand with Debian's interpreter (python3-statsmodels, python3-scipy, python3-numpy):

    /usr/bin/python3 tests/statistics/reference.py > tests/statistics/reference-values.txt

CI never runs it; the statistics tests read the frozen numbers it wrote. Each data set lists its
calibration (order, direction, origin, weighting), the standards' readings, the unknowns' mean
readings, and what statsmodels gives for them:
  - coefficients, standard errors and intervals: OLS/WLS params, bse, conf_int;
  - s_y/x = sqrt(scale), residual degrees of freedom, R^2, adjusted R^2, fitted values, residuals;
  - leverage, externally studentised residual, Cook's distance: OLSInfluence of the fit on the
    rows scaled by sqrt(w) (statsmodels' influence of a WLS fit uses the unscaled design, which is
    not the weighted hat matrix);
  - lack of fit and Mandel's test: anova_lm of the model against the group means, and of the
    straight line against the quadratic;
  - an unknown's interval: get_prediction (the prediction interval of m replicates when the curve
    gives the concentration; the propagation through the inverse otherwise, from se_mean);
  - limits: the DIN 32645 and ICH Q2 formulas on the unweighted fit of reading on concentration.
Two precautions keep the references exact to well below 1e-9:
  - the model is fitted on centred abscissae for everything that does not depend on how it is
    parametrised (fitted values, residuals, influence, the curve's variance at a point): raw
    powers of concentrations 1000 to 1010 cancel, in statsmodels as anywhere; the raw
    coefficients and their standard errors come from the raw design and are checked against
    exact rational arithmetic;
  - quantiles and tail probabilities of t and F are solved with mpmath (python3-mpmath) at 40
    digits: scipy 1.10's t.ppf is off by some 4e-10 relative (t(0.975, 5) = 2.5705818366 where
    the incomplete beta function says 2.5705818356), which an interval bound near zero turns
    into more than 1e-9. Intervals are params ± t·bse with that t; statsmodels' own conf_int is
    checked to agree to 1e-8.
"""
from fractions import Fraction

import mpmath
import numpy as np
import statsmodels.api as sm
from scipy import stats
from statsmodels.stats.anova import anova_lm

LEVEL, ALPHA, K, M_LIMITS = 0.95, 0.05, 3.0, 1
mpmath.mp.dps = 40


def t_quantile(p, dof):
    """q with P(T <= q) = p, from the regularised incomplete beta function."""
    def cdf_minus_p(t):
        tail = mpmath.betainc(dof / 2, 0.5, 0, dof / (dof + t * t), regularized=True) / 2
        return (1 - tail if t > 0 else tail) - p
    return float(mpmath.findroot(cdf_minus_p, mpmath.mpf(stats.t.ppf(p, dof))))


def f_upper_tail(f, d1, d2):
    return mpmath.betainc(d2 / 2, d1 / 2, 0, d2 / (d2 + d1 * mpmath.mpf(f)), regularized=True)


def f_quantile(p, d1, d2):
    return float(mpmath.findroot(lambda f: 1 - f_upper_tail(f, d1, d2) - p,
                                 mpmath.mpf(stats.f.ppf(p, d1, d2))))


def design(u, order, force_zero):
    return np.column_stack([u ** j for j in range(1 if force_zero else 0, order + 1)])


def variance_function(weighting, conc, reading, std_var):
    """The weighting's variance function 1/w at each point (unnormalised)."""
    return {0: np.ones_like(conc), 1: np.abs(conc), 2: conc ** 2, 3: np.abs(reading),
            4: reading ** 2, 5: std_var}[weighting]


def exact_ols(u, v, order, force_zero):
    """Coefficients and (X'X)^-1 in exact rational arithmetic, for the unweighted sets."""
    powers = range(1 if force_zero else 0, order + 1)
    X = [[Fraction(float(x)) ** j for j in powers] for x in u]
    y = [Fraction(float(t)) for t in v]
    p = len(X[0])
    A = [[sum(r[i] * r[j] for r in X) for j in range(p)] for i in range(p)]
    inv = [[Fraction(int(i == j)) for j in range(p)] for i in range(p)]
    for c in range(p):  # Gauss-Jordan on the exact normal equations
        piv = next(r for r in range(c, p) if A[r][c] != 0)
        A[c], A[piv], inv[c], inv[piv] = A[piv], A[c], inv[piv], inv[c]
        f = A[c][c]
        A[c] = [a / f for a in A[c]]
        inv[c] = [a / f for a in inv[c]]
        for r in range(p):
            if r != c and A[r][c] != 0:
                g = A[r][c]
                A[r] = [a - g * b for a, b in zip(A[r], A[c])]
                inv[r] = [a - g * b for a, b in zip(inv[r], inv[c])]
    Xty = [sum(r[i] * t for r, t in zip(X, y)) for i in range(p)]
    beta = [sum(inv[i][j] * Xty[j] for j in range(p)) for i in range(p)]
    return beta, inv


def emit(name, values):
    values = np.atleast_1d(values)
    print(name, " ".join(repr(float(v)) for v in values))


def f_test(f, df1, df2, level):
    return [f, f_quantile(level, df1, df2), float(f_upper_tail(f, df1, df2)), df1, df2]


def run(name, conc_levels, readings, order, direction, force_zero, weighting, unknowns):
    R = len(readings[0])
    conc = np.repeat(np.array(conc_levels, float), R)
    reading = np.array([y for rep in readings for y in rep], float)
    std_var = np.repeat([np.var(rep, ddof=1) if R > 1 else 1.0 for rep in readings], R)
    n = len(conc)
    u, v = (reading, conc) if direction == 1 else (conc, reading)
    vf = variance_function(weighting, conc, reading, std_var)
    norm = n / np.sum(1.0 / vf)
    w = norm / vf
    X = design(u, order, force_zero)
    fit = sm.WLS(v, X, weights=w).fit() if weighting else sm.OLS(v, X).fit()
    if not force_zero and weighting == 0:
        beta, inv = exact_ols(u, v, order, force_zero)
        scale = sum((Fraction(float(t)) - sum(b * Fraction(float(x)) ** j for j, b in enumerate(beta))) ** 2
                    for x, t in zip(u, v)) / (n - len(beta))
        for i, b in enumerate(beta):
            assert abs(fit.params[i] - float(b)) <= 1e-10 * abs(float(b)), (name, i)
            se = float(scale * inv[i][i]) ** 0.5
            assert abs(fit.bse[i] - se) <= 1e-10 * se, (name, i)
    # The same model on centred abscissae (centring is not a scaling: through zero it would move
    # the origin, so there the abscissae stay as they are).
    centre = 0.0 if force_zero else np.mean(u)
    Xm = design(u - centre, order, force_zero)
    model_fit = sm.WLS(v, Xm, weights=w).fit()
    sw = np.sqrt(w)
    influence = sm.OLS(v * sw, Xm * sw[:, None]).fit().get_influence()
    t = t_quantile(1 - (1 - LEVEL) / 2, fit.df_resid)
    lower, upper = fit.params - t * fit.bse, fit.params + t * fit.bse
    span = np.abs(fit.conf_int(1 - LEVEL)[:, 0] - lower)
    assert np.all(span <= 1e-8 * np.maximum(np.abs(lower), t * fit.bse)), name

    print("set", name)
    for key, value in [("order", order), ("direction", direction), ("force_zero", force_zero),
                       ("weighting", weighting), ("replicates", R)]:
        emit(key, value)
    emit("conc", conc_levels)
    emit("readings", reading)
    emit("unknown_readings", [y for y, _ in unknowns])
    emit("unknown_m", [m for _, m in unknowns])
    emit("coef", fit.params)
    emit("coef_se", fit.bse)
    emit("coef_lower", lower)
    emit("coef_upper", upper)
    emit("s", np.sqrt(model_fit.scale))
    emit("dof", model_fit.df_resid)
    emit("r2", model_fit.rsquared)
    emit("adj_r2", model_fit.rsquared_adj)
    emit("fitted", model_fit.fittedvalues)
    emit("resid", model_fit.resid)
    emit("leverage", influence.hat_matrix_diag)
    emit("student", influence.resid_studentized_external)
    emit("cooks", influence.cooks_distance[0])

    # Tests of the model on the reading against the concentration, with the calibration's weights.
    Xc = design(conc, order, force_zero)
    model = sm.WLS(reading, Xc, weights=w).fit()
    groups = np.unique(conc)
    if len(groups) < n and len(groups) > Xc.shape[1]:
        full = sm.WLS(reading, (conc[:, None] == groups[None, :]).astype(float), weights=w).fit()
        row = anova_lm(model, full).iloc[1]
        emit("lof", f_test(row["F"], int(row["df_diff"]), int(full.df_resid), 1 - ALPHA))
    if order == 1:
        curve = sm.WLS(reading, design(conc, 2, force_zero), weights=w).fit()
        row = anova_lm(model, curve).iloc[1]
        emit("mandel", f_test(row["F"], 1, int(curve.df_resid), 0.99))

    # Limits on the unweighted fit of the reading on the concentration.
    line = sm.OLS(reading, Xc).fit()
    conc_centre = 0.0 if force_zero else np.mean(conc)
    centred_line = sm.OLS(reading, design(conc - conc_centre, order, force_zero)).fit()
    s_l, df_l = np.sqrt(centred_line.scale), centred_line.df_resid
    slope = abs(line.params[1 - force_zero])

    def var_factor(x):
        at = design(np.array([x - conc_centre]), order, force_zero)
        return float(centred_line.get_prediction(at).se_mean[0] ** 2) / centred_line.scale

    limits = [slope, s_l]
    if order == 1:
        xc = s_l / slope * t_quantile(1 - ALPHA, df_l) * np.sqrt(1 / M_LIMITS + var_factor(0.0))
        xq = K * xc
        for _ in range(200):
            xq = K * s_l / slope * t_quantile(1 - ALPHA / 2, df_l) * np.sqrt(1 / M_LIMITS + var_factor(xq))
        limits += [xc, 2 * xc, xq]
    limits += [3.3 * s_l / slope, 10 * s_l / slope]
    emit("limits", limits)

    # Unknowns.
    x0s, ses, lows, highs = [], [], [], []
    levels = sorted(zip(conc_levels, [np.var(rep, ddof=1) if R > 1 else 1.0 for rep in readings]))
    for y0, m in unknowns:
        c = list(fit.params) if not force_zero else [0.0] + list(fit.params)
        if direction == 1:
            x0 = sum(cj * y0 ** j for j, cj in enumerate(c))
        elif order == 1:
            x0 = (y0 - c[0]) / c[1]
        else:
            x0 = (-c[1] + np.sqrt(c[1] ** 2 - 4 * c[2] * (c[0] - y0))) / (2 * c[2])
        if weighting == 5:
            v0 = np.interp(x0, [a for a, _ in levels], [b for _, b in levels])
        else:
            v0 = variance_function(weighting, np.array([x0]), np.array([y0]), None)[0]
        w0 = norm / v0
        if direction == 1:
            pred = model_fit.get_prediction(design(np.array([y0 - centre]), order, force_zero),
                                            weights=m * w0)
            se = float(pred.se_obs[0])
            frame = pred.summary_frame(alpha=1 - LEVEL)
            assert abs(frame["obs_ci_lower"].iloc[0] - (x0 - t * se)) <= 1e-8 * t * se, name
        else:
            at = design(np.array([x0 - centre]), order, force_zero)
            se_mean = float(model_fit.get_prediction(at).se_mean[0])
            mc = list(model_fit.params) if not force_zero else [0.0] + list(model_fit.params)
            slope0 = sum(j * cj * (x0 - centre) ** (j - 1) for j, cj in enumerate(mc) if j >= 1)
            se = np.sqrt(model_fit.scale / (m * w0) + se_mean ** 2) / abs(slope0)
        lo, hi = x0 - t * se, x0 + t * se
        x0s.append(x0), ses.append(se), lows.append(lo), highs.append(hi)
    emit("x0", x0s)
    emit("sx0", ses)
    emit("x0_lower", lows)
    emit("x0_upper", highs)
    print("end")


rng = np.random.default_rng(16)
print("# Written by tests/statistics/reference.py (statsmodels %s); do not edit." % sm.__version__)

# A published textbook example: fluorescence of standards, one reading each.
run("textbook", [0, 2, 4, 6, 8, 10, 12], [[2.1], [5.0], [9.0], [12.6], [17.3], [21.0], [24.7]],
    1, 0, 0, 0, [(2.9, 1), (13.5, 1), (23.0, 1)])

# Badly scaled concentrations: 1000 to 1010, three replicates; a straight line and a quadratic.
scaled = [[0.1012, 0.0996, 0.1005], [0.3021, 0.2993, 0.3008], [0.5034, 0.5011, 0.4987],
          [0.6962, 0.7015, 0.6990], [0.8957, 0.8991, 0.9023], [1.0948, 1.1002, 1.0979]]
run("scaled-line", [1000, 1002, 1004, 1006, 1008, 1010], scaled, 1, 0, 0, 0, [(0.55, 3), (1.0, 2)])
run("scaled-quadratic", [1000, 1002, 1004, 1006, 1008, 1010], scaled, 2, 0, 0, 0,
    [(0.55, 3), (1.0, 2)])

# Four decades weighted by 1/x^2: readings with a 2 % relative scatter, two replicates.
decades = [0.5, 1, 2, 5, 10, 20, 50, 100, 200, 500, 1000, 2000, 5000]
proportional = [[round(0.0006 * c * (1 + 0.02 * rng.standard_normal()) + 0.0004, 4) for _ in range(2)]
                for c in decades]
run("weighted-1/x2", decades, proportional, 1, 0, 0, 2, [(0.0021, 2), (0.35, 2), (2.5, 1)])

# Concentration from reading, order 2 through zero, weighted by each standard's 1/s^2.
levels = [1, 2, 4, 6, 8, 10]
curved = [[round(0.09 * c - 0.002 * c * c + 0.003 * c * rng.standard_normal(), 4) for _ in range(3)]
          for c in levels]
run("reading-1/s2", levels, curved, 2, 1, 1, 5, [(0.2, 3), (0.55, 2)])

# A straight line through bending data, concentration from reading: Mandel and lack of fit object.
bend = [[round(0.2 * c - 0.008 * c * c + 0.002 * rng.standard_normal(), 4) for _ in range(2)]
        for c in [1, 2, 3, 4, 5, 6, 8, 10]]
run("bend", [1, 2, 3, 4, 5, 6, 8, 10], bend, 1, 1, 0, 0, [(0.5, 2)])
