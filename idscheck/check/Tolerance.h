// The IDS comparison tolerance for reals: v and x are equal when
// v - |v|e - e <= x <= v + |v|e + e with e = 1e-6. (The tolerance document writes the bounds as
// exclusive, but its conformance case "one upper bound" passes 1.000002 for 1: the case decides, so the
// ends count as equal.) Inclusive bounds are widened and exclusive bounds
// narrowed by the same amount, so that a value near a bound is never both inside and outside.
//
//   Ids::RealEquals(1.0, 1.0000019);        // true
//   Ids::AboveMinExclusive(0.0, 0.000001);  // false: x > 0 means x > 1e-6
#pragma once

#include <cmath>

namespace Ids {

constexpr double RealTolerance = 1.0e-6;

inline double ToleranceAround(double idsValue) noexcept {
  return std::fabs(idsValue) * RealTolerance + RealTolerance;
}
inline bool RealEquals(double idsValue, double modelValue) noexcept {
  const double slack = ToleranceAround(idsValue);
  return idsValue - slack <= modelValue && modelValue <= idsValue + slack;
}
inline bool AboveMinInclusive(double bound, double modelValue) noexcept {
  return modelValue >= bound - ToleranceAround(bound);
}
inline bool AboveMinExclusive(double bound, double modelValue) noexcept {
  return modelValue > bound + ToleranceAround(bound);
}
inline bool BelowMaxInclusive(double bound, double modelValue) noexcept {
  return modelValue <= bound + ToleranceAround(bound);
}
inline bool BelowMaxExclusive(double bound, double modelValue) noexcept {
  return modelValue < bound - ToleranceAround(bound);
}

}  // namespace Ids
