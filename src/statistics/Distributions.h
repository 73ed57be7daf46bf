#pragma once
// Quantiles and tail probabilities of Student's t and Fisher's F for the calibration statistics,
// taken from Boost.Math (its incomplete beta function and inverse, accurate to the last digits of
// a double), never from hand-written approximations. Arguments outside a distribution's domain
// give NaN rather than an exception.
namespace photoquant::detail {

// q with P(T <= q) = p for Student's t with dof degrees of freedom; t(0.975, 5) = 2.570581836.
double dStudentQuantile(double p, double dof);
// q with P(F <= q) = p for Fisher's F with (d1, d2) degrees of freedom; F(0.99; 1, 4) = 21.19769.
double dFisherQuantile(double p, double d1, double d2);
// P(F > f) for F(d1, d2), the p value of an F test; 1 for f <= 0.
double dFisherUpperTail(double f, double d1, double d2);

}  // namespace photoquant::detail
