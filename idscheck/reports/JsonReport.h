// The requirements check's report for programs: one JSON document whose layout docs/ids.md describes
// and keeps stable ("format": 1; fields are only ever added within a format).
//
//   std::string error;
//   if (!Ids::WriteJsonReport(result, "report.json", error)) std::fprintf(stderr, "%s\n", error.c_str());
#pragma once

#include <string>

#include "idscheck/check/CheckResult.h"

namespace Ids {

// The format number the report carries; raised only when a field changes meaning or goes away.
constexpr int kJsonReportFormat = 1;

// Writes the report to `path` (through `path`.partial, so that no half report is left); false with
// `error` naming the file and the reason when it cannot.
bool WriteJsonReport(const CheckResult& result, const std::string& path, std::string& error);

}  // namespace Ids
