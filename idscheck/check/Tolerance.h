// The IDS comparison tolerance for reals: an IDS value v and a model value x are equal when x lies
// between the ends v - |v|e - e and v + |v|e + e, e = 1e-6, computed as written (left to right).
// The ends belong to the range: the tolerance table lists them as values within the tolerance and
// its conformance cases pass values at them (1.000002 for 1, -0.000001 for 0). Both numbers are
// decimal texts read into doubles, so an end is allowed kRoundingUlps units in the last place of the
// larger number compared; beyond double precision a value may pass that lies just outside.
//
// Bounds: an inclusive bound is stretched to its end, an exclusive bound shrunk to the other end, so
// a value near a bound is never both inside (x >= b) and outside (x < b).
//
//   Ids::RealEquals(1.0, 1.000002);         // true: at the upper end
//   Ids::AboveMinExclusive(0.0, 0.000001);  // false: x > 0 means x > 1e-6
#pragma once

#include <algorithm>
#include <cmath>
#include <limits>

namespace Ids {

constexpr double kRealTolerance = 1.0e-6;
constexpr double kRoundingUlps = 4.0;

inline double LowerEnd(double idsValue) noexcept {
  return idsValue - std::fabs(idsValue) * kRealTolerance - kRealTolerance;
}
inline double UpperEnd(double idsValue) noexcept {
  return idsValue + std::fabs(idsValue) * kRealTolerance + kRealTolerance;
}
// What reading and computing in doubles may have moved `end` (of `idsValue`) by.
inline double RoundingSlack(double idsValue, double end) noexcept {
  return kRoundingUlps * std::numeric_limits<double>::epsilon() *
         std::max({std::fabs(idsValue), std::fabs(end), kRealTolerance});
}
inline bool AtOrAboveLowerEnd(double idsValue, double modelValue) noexcept {
  const double end = LowerEnd(idsValue);
  return modelValue >= end - RoundingSlack(idsValue, end);
}
inline bool AtOrBelowUpperEnd(double idsValue, double modelValue) noexcept {
  const double end = UpperEnd(idsValue);
  return modelValue <= end + RoundingSlack(idsValue, end);
}

inline bool RealEquals(double idsValue, double modelValue) noexcept {
  return AtOrAboveLowerEnd(idsValue, modelValue) && AtOrBelowUpperEnd(idsValue, modelValue);
}
inline bool AboveMinInclusive(double bound, double modelValue) noexcept {
  return AtOrAboveLowerEnd(bound, modelValue);
}
inline bool AboveMinExclusive(double bound, double modelValue) noexcept {
  return !AtOrBelowUpperEnd(bound, modelValue);
}
inline bool BelowMaxInclusive(double bound, double modelValue) noexcept {
  return AtOrBelowUpperEnd(bound, modelValue);
}
inline bool BelowMaxExclusive(double bound, double modelValue) noexcept {
  return !AtOrAboveLowerEnd(bound, modelValue);
}

}  // namespace Ids
