#pragma once

// Inverse distribution functions. Arguments outside the domain give the
// system-missing value; the probabilities 0 and 1 give the ends of the
// distribution's support (the engine's infinity for an unbounded end).
class CtaDistFun {
 public:
  // Quantile of Student's t with df > 0 degrees of freedom (df may be fractional).
  static double IdfT(double probability, double df);
  // Quantile of the beta distribution with shapes a > 0 and b > 0.
  static double IdfBet(double probability, double a, double b);
};
