#include "idscheck/session/CheckSession.h"

#include "commandline/ExitCode.h"
#include "idscheck/check/Audit.h"
#include "idscheck/check/Checker.h"
#include "idscheck/check/DocumentReader.h"
#include "idscheck/check/ReaderModelView.h"
#include "idscheck/check/SchemaCatalog.h"
#include "idscheck/check/TemplateRequirements.h"
#include "idscheck/reports/ConsoleReport.h"
#include "idscheck/reports/HtmlReport.h"
#include "idscheck/reports/JsonReport.h"

namespace Ids {

bool ReadIdsDocuments(const std::vector<std::string>& paths, std::vector<Document>& documents, std::string& error) {
  for (const std::string& path : paths) {
    Document document;
    DocumentError problem;
    if (!ReadDocument(path, document, problem) || !AuditDocument(document, SchemaEntityCatalog, problem)) {
      error = problem.Message();
      return false;
    }
    documents.push_back(std::move(document));
  }
  return true;
}

bool CheckIds(const ModelView& model, const std::string& modelFile, const std::vector<std::string>& idsFiles,
              CheckResult& result, std::string& error) {
  std::vector<Document> documents;
  if (!ReadIdsDocuments(idsFiles, documents, error))
    return false;
  result = Checker(model).Run(modelFile, documents);
  return true;
}

int RunSession(const SessionOptions& options, std::FILE* out, std::FILE* err) {
  std::vector<Document> documents;
  std::string error;
  if (!ReadIdsDocuments(options.idsFiles, documents, error)) {
    std::fprintf(err, "ifcapi-ids: %s\n", error.c_str());
    return CommandLine::ToInt(CommandLine::ExitCode::RequirementsUnreadable);
  }
  ReaderModelView model;
  if (!model.Open(options.modelFile, error)) {
    std::fprintf(err, "ifcapi-ids: %s\n", error.c_str());
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
  if (!options.jsonReport.empty() && !WriteJsonReport(result, options.jsonReport, error)) {
    std::fprintf(err, "ifcapi-ids: %s\n", error.c_str());
    return CommandLine::ToInt(CommandLine::ExitCode::OutputNotWritten);
  }
  if (!options.htmlReport.empty() && !WriteHtmlReport(result, options.htmlReport, error)) {
    std::fprintf(err, "ifcapi-ids: %s\n", error.c_str());
    return CommandLine::ToInt(CommandLine::ExitCode::OutputNotWritten);
  }
  return CommandLine::ToInt(result.Passes() ? CommandLine::ExitCode::Done : CommandLine::ExitCode::RequirementsNotMet);
}

}  // namespace Ids
