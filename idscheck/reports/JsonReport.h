// The requirements check's report for programs: one JSON document whose layout docs/ids.md describes
// and keeps stable ("format": 1; fields are only ever added within a format).
//
//   if (auto written = Ids::WriteJsonReport(result, "report.json"); !written) Report(written.Error());
#pragma once

#include <string>

#include "idscheck/check/CheckResult.h"
#include "ifc/errors/Expected.h"

namespace Ids {

// The format number the report carries; raised only when a field changes meaning or goes away.
constexpr int kJsonReportFormat = 1;

// Writes the report to `path`, aside and renamed into place when complete (Ifc::SafeOutputFile), so that
// no half report is left; the failure names the path and the reason.
[[nodiscard]] Ifc::Status WriteJsonReport(const CheckResult& result, const std::string& path);

}  // namespace Ids
