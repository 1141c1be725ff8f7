#include "idscheck/reports/HtmlReport.h"

#include <algorithm>
#include <string_view>

#include "idscheck/reports/ReportSummary.h"
#include "idscheck/reports/ReportText.h"
#include "ifc/files/SafeOutputFile.h"

namespace Ids {

namespace {

// No request may leave the page: the policy allows only its own inline style and script.
constexpr std::string_view kHead = R"(<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta http-equiv="Content-Security-Policy" content="default-src 'none'; style-src 'unsafe-inline'; script-src 'unsafe-inline'">
<meta name="viewport" content="width=device-width, initial-scale=1">
)";

constexpr std::string_view kStyle = R"(<style>
body { font: 15px/1.45 system-ui, sans-serif; margin: 0 auto; max-width: 1200px; padding: 1em 2em; color: #1d2330; }
h1 { font-size: 1.5em; margin-bottom: .2em; }
h2 { font-size: 1.15em; margin: 0 0 .4em; }
[hidden] { display: none !important; }
.verdict { font-weight: 600; padding: .5em .8em; border-radius: 4px; }
.verdict.passed { background: #e3f4e6; } .verdict.failed { background: #fbe4e2; }
table { border-collapse: collapse; }
th, td { border: 1px solid #d5d9e0; padding: .25em .6em; text-align: left; vertical-align: top; }
th { background: #f1f3f6; }
td.number { text-align: right; font-variant-numeric: tabular-nums; }
.controls { position: sticky; top: 0; background: #fff; padding: .7em 0; border-bottom: 1px solid #d5d9e0;
  display: flex; gap: 1.5em; align-items: center; flex-wrap: wrap; z-index: 1; }
.controls input[type=search] { width: 24em; padding: .3em; }
section.specification { border: 1px solid #d5d9e0; border-left-width: 6px; border-radius: 4px; margin: 1em 0; padding: .8em 1em; }
section.passed { border-left-color: #2e8540; } section.failed { border-left-color: #c62828; }
section.not-applicable { border-left-color: #8a919c; }
.status { display: inline-block; min-width: 7.5em; font-size: .8em; font-weight: 700; color: #fff; padding: .1em .5em;
  border-radius: 3px; text-align: center; margin-right: .5em; }
.status.passed { background: #2e8540; } .status.failed { background: #c62828; } .status.not-applicable { background: #8a919c; }
dl.facts { display: grid; grid-template-columns: max-content 1fr; gap: .1em 1em; margin: .4em 0; }
dl.facts dt { color: #5a6270; } dl.facts dd { margin: 0; }
table.failures { width: 100%; margin-top: .6em; font-size: .93em; }
table.failures td.globalid { font-family: ui-monospace, monospace; white-space: nowrap; }
.note { color: #5a6270; }
</style>
)";

constexpr std::string_view kScript = R"(<script>
(function () {
  var filter = document.getElementById('filter');
  var onlyFailed = document.getElementById('only-failed');
  var count = document.getElementById('match-count');
  var sections = Array.prototype.slice.call(document.querySelectorAll('section.specification'));
  function apply() {
    var query = filter.value.trim().toLowerCase();
    var shown = 0, total = 0;
    sections.forEach(function (section) {
      section.hidden = onlyFailed.checked && section.getAttribute('data-status') !== 'failed';
      var rows = section.querySelectorAll('table.failures tbody tr');
      var visible = 0;
      Array.prototype.forEach.call(rows, function (row) {
        var match = query === '' || row.textContent.toLowerCase().indexOf(query) !== -1;
        row.hidden = !match;
        if (match) visible += 1;
      });
      var none = section.querySelector('.no-match');
      if (none) none.hidden = visible > 0 || rows.length === 0;
      if (!section.hidden) { shown += visible; total += rows.length; }
    });
    count.textContent = query === '' ? '' : shown + ' of ' + total + ' listed failing elements match';
  }
  filter.addEventListener('input', apply);
  onlyFailed.addEventListener('change', apply);
  apply();
})();
</script>
)";

std::string Escaped(std::string_view text) {
  std::string out;
  AppendHtmlText(out, text);
  return out;
}

void AppendFact(std::string& out, const char* term, std::string_view value) {
  if (value.empty()) {
    return;
  }
  out += "<dt>";
  out += term;
  out += "</dt><dd>";
  AppendHtmlText(out, value);
  out += "</dd>\n";
}

void AppendSummary(std::string& out, const CheckResult& result) {
  const ReportSummary summary = Summarize(result);
  out += "<title>Requirements check: " + Escaped(result.modelFile) + "</title>\n";
  out += std::string(kStyle) + "</head>\n<body>\n<header>\n<h1>Requirements check of " + Escaped(result.modelFile) +
         "</h1>\n";
  out += summary.passes ? "<p class=\"verdict passed\">The model meets the requirements.</p>\n"
                        : "<p class=\"verdict failed\">The model does not meet the requirements.</p>\n";
  out +=
      "<table class=\"summary\"><tr><th>Schema</th><th>Specifications</th><th>Passed</th><th>Failed</th>"
      "<th>Not applicable</th><th>Checked elements</th><th>Failing elements</th></tr>\n<tr><td>" +
      Escaped(result.schema) + "</td>";
  for (const std::size_t count : {summary.specifications, summary.passed, summary.failed, summary.notApplicable,
                                  summary.applicableElements, summary.failingElements}) {
    out += "<td class=\"number\">" + std::to_string(count) + "</td>";
  }
  out += "</tr></table>\n</header>\n";
  out +=
      "<div class=\"controls\">\n<label>Filter failing elements "
      "<input id=\"filter\" type=\"search\" placeholder=\"GlobalId, entity, name or reason\"></label>\n"
      "<label><input id=\"only-failed\" type=\"checkbox\"> Show only failing specifications</label>\n"
      "<span id=\"match-count\" class=\"note\" aria-live=\"polite\"></span>\n</div>\n<main>\n";
}

void AppendFailureRow(std::string& out, const ElementFailure& failure) {
  out += "<tr><td class=\"number\">#" + std::to_string(failure.instance.Value()) + "</td><td class=\"globalid\">";
  AppendHtmlText(out, failure.globalId);
  out += "</td><td>";
  AppendHtmlText(out, failure.entity);
  out += "</td><td>";
  AppendHtmlText(out, failure.name);
  out += "</td><td>";
  for (std::size_t k = 0; k < failure.reasons.size(); ++k) {
    out += k == 0 ? "" : "<br>";
    AppendHtmlText(out, failure.reasons[k]);
  }
  out += "</td></tr>\n";
}

// The specification's heading, facts and counts; its table of failures comes after.
void AppendSpecificationHead(std::string& out, const SpecificationResult& specification, const std::string& schema) {
  const SpecificationStatus status = StatusOf(specification);
  const std::string word = StatusWord(status);
  out += "<section class=\"specification " + word + "\" data-status=\"" + word + "\">\n<h2><span class=\"status " +
         word + "\">" + StatusLabel(status) + "</span> " + Escaped(specification.name) +
         "</h2>\n<dl class=\"facts\">\n";
  AppendFact(out, "Description", specification.description);
  AppendFact(out, "Instructions", specification.instructions);
  AppendFact(out, "Identifier", specification.identifier);
  AppendFact(out, "IDS file", specification.idsFile);
  AppendFact(out, "IFC versions", specification.ifcVersions);
  AppendFact(out, "Cardinality", specification.cardinality);
  out += "</dl>\n";
  if (status == SpecificationStatus::NotApplicable) {
    out += "<p class=\"note\">Not checked.</p>\n";
    return;
  }
  if (!specification.schemaListed) {
    out += "<p class=\"note\">" + Escaped(SchemaNote(specification, schema)) + "</p>\n";
  }
  out +=
      "<table class=\"counts\"><tr><th>Applicable</th><th>Passed</th><th>Failed</th></tr>\n<tr><td class=\"number\">" +
      std::to_string(specification.applicable) + "</td><td class=\"number\">" + std::to_string(specification.passed) +
      "</td><td class=\"number\">" + std::to_string(specification.failed) + "</td></tr></table>\n";
  if (!specification.verdictReason.empty()) {
    out += "<p class=\"reason\">" + Escaped(specification.verdictReason) + "</p>\n";
  }
}

void AppendSpecification(std::string& out, Ifc::SafeOutputFile& file, const SpecificationResult& specification,
                         const std::string& schema) {
  AppendSpecificationHead(out, specification, schema);
  if (!specification.failures.empty()) {
    out +=
        "<table class=\"failures\"><thead><tr><th>Instance</th><th>GlobalId</th><th>Entity</th><th>Name</th>"
        "<th>Reason</th></tr></thead>\n<tbody>\n";
    const std::size_t listed = std::min(specification.failures.size(), kHtmlFailuresPerSpecification);
    for (std::size_t k = 0; k < listed; ++k) {
      AppendFailureRow(out, specification.failures[k]);
      file.Write(out);
      out.clear();
    }
    out += "</tbody></table>\n<p class=\"no-match note\" hidden>No listed failing element matches the filter.</p>\n";
    if (specification.failures.size() > listed) {
      out += "<p class=\"note\">The first " + std::to_string(listed) + " of " +
             std::to_string(specification.failures.size()) +
             " failing elements are listed; the JSON report lists them all.</p>\n";
    }
  }
  out += "</section>\n";
}

}  // namespace

Ifc::Status WriteHtmlReport(const CheckResult& result, const std::string& path) {
  Ifc::SafeOutputFile file;
  if (Ifc::Status opened = file.Open(path); !opened) {
    return opened;
  }
  std::string out(kHead);
  AppendSummary(out, result);
  for (const SpecificationResult& specification : result.specifications) {
    AppendSpecification(out, file, specification, result.schema);
  }
  out += "</main>\n";
  out += kScript;
  out += "</body>\n</html>\n";
  file.Write(out);
  return file.Commit();
}

}  // namespace Ids
