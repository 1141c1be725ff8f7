#include "idscheck/session/CheckSession.h"

#include "commandline/ExitCode.h"
#include "idscheck/check/Audit.h"
#include "idscheck/check/Checker.h"
#include "idscheck/check/DocumentReader.h"
#include "idscheck/check/ReaderModelView.h"
#include "idscheck/check/SchemaCatalog.h"
#include "idscheck/check/TemplateRequirements.h"
#include "idscheck/reports/BcfReport.h"
#include "idscheck/reports/ConsoleReport.h"
#include "idscheck/reports/HtmlReport.h"
#include "idscheck/reports/JsonReport.h"
#include "ifc/files/RunFiles.h"

namespace Ids {

Ifc::Expected<std::vector<Document>> ReadIdsDocuments(const std::vector<std::string>& paths) {
  std::vector<Document> documents;
  for (const std::string& path : paths) {
    Document document;
    DocumentError problem;
    if (!ReadDocument(path, document, problem) || !AuditDocument(document, SchemaEntityCatalog, problem)) {
      return Ifc::Failure(problem.Message());
    }
    documents.push_back(std::move(document));
  }
  return documents;
}

namespace {

// Before anything is read: a report may be no input, nor the other report, nor a folder, device or FIFO.
Ifc::Status CheckReportPaths(const SessionOptions& options) {
  std::vector<Ifc::RunFile> inputs{{options.modelFile, "the model"}};
  for (const std::string& ids : options.idsFiles) {
    inputs.push_back({ids, "the IDS document"});
  }
  std::vector<Ifc::RunFile> reports;
  if (!options.jsonReport.empty()) {
    reports.push_back({options.jsonReport, "the JSON report"});
  }
  if (!options.htmlReport.empty()) {
    reports.push_back({options.htmlReport, "the HTML report"});
  }
  return Ifc::CheckRunFiles(inputs, reports, "report");
}

// Writes the reports asked for; the first failure.
Ifc::Status WriteReports(const CheckResult& result, const SessionOptions& options) {
  if (!options.jsonReport.empty()) {
    if (Ifc::Status written = WriteJsonReport(result, options.jsonReport); !written) {
      return written;
    }
  }
  if (!options.htmlReport.empty()) {
    if (Ifc::Status written = WriteHtmlReport(result, options.htmlReport); !written) {
      return written;
    }
  }
  if (!options.bcfReport.empty()) {
    return WriteBcfReport(result, BcfOptions{options.bcfVersion, {}}, options.bcfReport);
  }
  return Ifc::Status();
}

}  // namespace

int RunSession(const SessionOptions& options, std::FILE* out, std::FILE* err) {
  if (const Ifc::Status clear = CheckReportPaths(options); !clear) {
    std::fprintf(err, "ifcapi-ids: %s\n", clear.Error().Message().c_str());
    return CommandLine::ToInt(CommandLine::ExitCode::BadUsage);
  }
  Ifc::Expected<std::vector<Document>> read = ReadIdsDocuments(options.idsFiles);
  if (!read) {
    std::fprintf(err, "ifcapi-ids: %s\n", read.Error().Message().c_str());
    return CommandLine::ToInt(CommandLine::ExitCode::RequirementsUnreadable);
  }
  std::vector<Document> documents = std::move(*read);
  ReaderModelView model;
  if (const Ifc::Status opened = model.Open(options.modelFile); !opened) {
    std::fprintf(err, "ifcapi-ids: %s\n", opened.Error().Message().c_str());
    return CommandLine::ToInt(CommandLine::ExitCode::ModelUnreadable);
  }
  CheckResult result;
  if (documents.empty()) {  // --templates alone
    result.modelFile = options.modelFile;
    result.schema = std::string(model.SchemaName());
  } else {
    result = Checker(model).Run(options.modelFile, documents);
  }
  if (options.templates) {
    std::vector<std::string> notes;
    for (SpecificationResult& specification : CheckTemplates(model, notes)) {
      result.specifications.push_back(std::move(specification));
    }
    for (const std::string& note : notes) {
      std::fprintf(out, "note: %s\n", note.c_str());
    }
  }
  PrintConsoleReport(result, out);
  if (const Ifc::Status written = WriteReports(result, options); !written) {
    std::fprintf(err, "ifcapi-ids: %s\n", written.Error().Message().c_str());
    return CommandLine::ToInt(CommandLine::ExitCode::OutputNotWritten);
  }
  return CommandLine::ToInt(result.Passes() ? CommandLine::ExitCode::Done : CommandLine::ExitCode::RequirementsNotMet);
}

}  // namespace Ids
