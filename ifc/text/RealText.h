// The STEP text of a real: the shortest digits that read back to the same double, always with a '.'
// in the mantissa, and an exponent "E" once the plain form would need padding zeros far from the
// point.
//
//   std::string out;
//   AppendRealText(out, 24000.0);                 // 24000.
//   AppendRealText(out, -789448394654954100.0);   // -7.894483946549541E17
//   AppendRealText(out, 2.5e-7);                  // 2.5E-7
#pragma once

#include <string>

namespace Exporter {

// Appends `value`; false (and nothing appended) for infinities and NaN, which STEP cannot write.
bool AppendRealText(std::string& out, double value);

}  // namespace Exporter
