#include "idscheck/reports/JsonReport.h"

#include <algorithm>
#include <string_view>

#include "idscheck/reports/ReportSummary.h"
#include "idscheck/reports/ReportText.h"
#include "ifc/files/SafeOutputFile.h"

namespace Ids {

namespace {

// Appends `"key": ` with the given indentation.
void AppendKey(std::string& out, const char* indent, const char* key) {
  out += indent;
  out += '"';
  out += key;
  out += "\": ";
}

void AppendStringField(std::string& out, const char* indent, const char* key, std::string_view value) {
  AppendKey(out, indent, key);
  AppendJsonString(out, value);
  out += ",\n";
}

void AppendNumberField(std::string& out, const char* indent, const char* key, std::size_t value) {
  AppendKey(out, indent, key);
  out += std::to_string(value);
  out += ",\n";
}

// The ifcVersion attribute's words as an array: "IFC2X3 IFC4" gives ["IFC2X3", "IFC4"].
void AppendVersions(std::string& out, std::string_view versions) {
  out += '[';
  bool first = true;
  while (!versions.empty()) {
    const std::size_t start = versions.find_first_not_of(" \t\r\n");
    if (start == std::string_view::npos) {
      break;
    }
    versions.remove_prefix(start);
    const std::size_t end = std::min(versions.find_first_of(" \t\r\n"), versions.size());
    out += first ? "" : ", ";
    AppendJsonString(out, versions.substr(0, end));
    versions.remove_prefix(end);
    first = false;
  }
  out += ']';
}

void AppendFailure(std::string& out, const ElementFailure& failure) {
  out += "        {\"instance\": ";
  out += std::to_string(failure.instance.Value());
  out += ", \"globalId\": ";
  AppendJsonString(out, failure.globalId);
  out += ", \"entity\": ";
  AppendJsonString(out, failure.entity);
  out += ", \"name\": ";
  AppendJsonString(out, failure.name);
  out += ", \"reasons\": [";
  for (std::size_t k = 0; k < failure.reasons.size(); ++k) {
    out += k == 0 ? "" : ", ";
    AppendJsonString(out, failure.reasons[k]);
  }
  out += "]}";
}

// One specification, failures included, handing the text to the file after each failure.
void AppendSpecification(std::string& out, Ifc::SafeOutputFile& file, const SpecificationResult& specification) {
  const char* indent = "      ";
  out += "    {\n";
  AppendStringField(out, indent, "idsFile", specification.idsFile);
  AppendStringField(out, indent, "name", specification.name);
  AppendStringField(out, indent, "identifier", specification.identifier);
  AppendStringField(out, indent, "description", specification.description);
  AppendStringField(out, indent, "instructions", specification.instructions);
  AppendKey(out, indent, "ifcVersions");
  AppendVersions(out, specification.ifcVersions);
  out += ",\n";
  AppendKey(out, indent, "schemaListed");
  out += specification.schemaListed ? "true,\n" : "false,\n";
  AppendStringField(out, indent, "cardinality", specification.cardinality);
  AppendStringField(out, indent, "status", StatusWord(StatusOf(specification)));
  AppendNumberField(out, indent, "applicable", specification.applicable);
  AppendNumberField(out, indent, "passed", specification.passed);
  AppendNumberField(out, indent, "failed", specification.failed);
  AppendStringField(out, indent, "verdictReason", specification.verdictReason);
  AppendKey(out, indent, "failures");
  out += '[';
  for (std::size_t k = 0; k < specification.failures.size(); ++k) {
    out += k == 0 ? "\n" : ",\n";
    AppendFailure(out, specification.failures[k]);
    file.Write(out);
    out.clear();
  }
  out += specification.failures.empty() ? "]\n" : "\n      ]\n";
  out += "    }";
}

void AppendHeader(std::string& out, const CheckResult& result) {
  const ReportSummary summary = Summarize(result);
  out += "{\n";
  AppendNumberField(out, "  ", "format", kJsonReportFormat);
  AppendStringField(out, "  ", "tool", "ifcapi-ids");
  AppendStringField(out, "  ", "model", result.modelFile);
  AppendStringField(out, "  ", "schema", result.schema);
  AppendKey(out, "  ", "passes");
  out += summary.passes ? "true,\n" : "false,\n";
  out += "  \"summary\": {\"specifications\": " + std::to_string(summary.specifications) +
         ", \"passed\": " + std::to_string(summary.passed) + ", \"failed\": " + std::to_string(summary.failed) +
         ", \"notApplicable\": " + std::to_string(summary.notApplicable) +
         ", \"applicableElements\": " + std::to_string(summary.applicableElements) +
         ", \"failingElements\": " + std::to_string(summary.failingElements) + "},\n";
  out += "  \"specifications\": [";
}

}  // namespace

Ifc::Status WriteJsonReport(const CheckResult& result, const std::string& path) {
  Ifc::SafeOutputFile file;
  if (Ifc::Status opened = file.Open(path); !opened) {
    return opened;
  }
  std::string out;
  AppendHeader(out, result);
  for (std::size_t k = 0; k < result.specifications.size(); ++k) {
    out += k == 0 ? "\n" : ",\n";
    AppendSpecification(out, file, result.specifications[k]);
  }
  out += result.specifications.empty() ? "]\n}\n" : "\n  ]\n}\n";
  file.Write(out);
  return file.Commit();
}

}  // namespace Ids
