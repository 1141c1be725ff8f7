// The requirements check's report for a person at a terminal: per specification its name, status and
// counts, and its first failing elements with the reason in words; then a total line.
//
//   Ids::PrintConsoleReport(result, stdout);
//
//   [FAILED] Walls have a fire rating (walls.ids): 120 applicable, 118 passed, 2 failed
//       #58 2O2Fr$t4X7Zf8NOew3FLOH IfcWall 'Wall 1': Pset_WallCommon.FireRating is missing
//   Total: 3 specifications, 1 passed, 1 failed, 1 not applicable; 2 of 150 checks failed
#pragma once

#include <cstddef>
#include <cstdio>

#include "idscheck/check/CheckResult.h"

namespace Ids {

// How many failing elements the console lists per specification; the rest are counted.
constexpr std::size_t kConsoleFailuresPerSpecification = 10;

void PrintConsoleReport(const CheckResult& result, std::FILE* out);

}  // namespace Ids
