#include "CheckSession.h"

#include "Audit.h"
#include "Checker.h"
#include "DocumentReader.h"
#include "SchemaCatalog.h"
#include "StepModelView.h"

namespace Ids {

namespace {

bool ReadDocuments(const std::vector<std::string>& paths, std::vector<Document>& documents, std::string& error) {
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

void PrintSummary(const CheckResult& result, std::FILE* out) {
  for (const SpecificationResult& specification : result.specifications) {
    const char* verdict = !specification.applies ? "SKIPPED" : specification.passes ? "PASS" : "FAIL";
    std::fprintf(out, "%s: %s (%s): %zu applicable, %zu passed, %zu failed%s%s\n", verdict, specification.name.c_str(),
                 specification.cardinality.c_str(), specification.applicable, specification.passed,
                 specification.failed, specification.verdictReason.empty() ? "" : "; ",
                 specification.verdictReason.c_str());
    for (const ElementFailure& failure : specification.failures) {
      for (const std::string& reason : failure.reasons)
        std::fprintf(out, "  #%llu %s '%s': %s\n", static_cast<unsigned long long>(failure.instance),
                     failure.entity.c_str(), failure.name.c_str(), reason.c_str());
    }
  }
}

}  // namespace

bool CheckIds(const ModelView& model, const std::string& modelFile, const std::vector<std::string>& idsFiles,
              CheckResult& result, std::string& error) {
  std::vector<Document> documents;
  if (!ReadDocuments(idsFiles, documents, error))
    return false;
  result = Checker(model).Run(modelFile, documents);
  return true;
}

int RunSession(const SessionOptions& options, std::FILE* out, std::FILE* err) {
  std::vector<Document> documents;
  std::string error;
  if (!ReadDocuments(options.idsFiles, documents, error)) {
    std::fprintf(err, "ifcapi-ids: %s\n", error.c_str());
    return ExitInvalidIds;
  }
  StepModelView model;
  if (!model.Open(options.modelFile, error)) {
    std::fprintf(err, "ifcapi-ids: %s\n", error.c_str());
    return ExitBadModel;
  }
  const CheckResult result = Checker(model).Run(options.modelFile, documents);
  PrintSummary(result, out);
  return result.Passes() ? ExitPass : ExitFail;
}

}  // namespace Ids
