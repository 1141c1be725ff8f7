// The requirements check's report for a person with a browser: one self-contained HTML file (inline
// style and script, nothing fetched) with each specification's status and counts and a table of its
// failing elements, which a text box filters by any column; a switch shows only the failing
// specifications. Everything from the model and the IDS documents is escaped.
//
//   if (auto written = Ids::WriteHtmlReport(result, "report.html"); !written) Report(written.Error());
#pragma once

#include <cstddef>
#include <string>

#include "idscheck/check/CheckResult.h"
#include "ifc/errors/Expected.h"

namespace Ids {

// How many failing elements the page lists per specification, so that it stays quick to open; the
// rest are counted on the page and listed in the JSON report.
constexpr std::size_t kHtmlFailuresPerSpecification = 2000;

// Writes the page to `path`, aside and renamed into place when complete (Ifc::SafeOutputFile), so that
// no half page is left; the failure names the path and the reason.
[[nodiscard]] Ifc::Status WriteHtmlReport(const CheckResult& result, const std::string& path);

}  // namespace Ids
