#include "exporter/main/RequirementsCheck.h"

#ifdef IFCAPI_EXPORT_IDS
#include "idscheck/check/Checker.h"
#include "idscheck/check/ReaderModelView.h"
#include "idscheck/reports/BcfReport.h"
#include "idscheck/reports/ConsoleReport.h"
#include "idscheck/session/CheckSession.h"
#include "ifc/step/Model.h"
#endif

namespace Exporter {

#ifdef IFCAPI_EXPORT_IDS

struct RequirementsCheck::Documents {
  std::vector<Ids::Document> read;
};

bool RequirementsCheck::Read(const std::vector<std::string>& paths, std::string& error) {
  documents = std::make_unique<Documents>();
  return Ids::ReadIdsDocuments(paths, documents->read, error);
}

std::optional<bool> RequirementsCheck::Check(const std::string& path, std::FILE* out, std::string& error) const {
  Ifc::Model model;
  if (!model.Open(path, error)) {
    return std::nullopt;
  }
  const Ids::CheckResult result = Ids::Checker(Ids::ReaderModelView(model)).Run(path, documents->read);
  Ids::PrintConsoleReport(result, out);
  if (!bcfPath.empty()) {
    Ids::BcfOptions options;
    if (!bcfVersion.empty() && !Ids::ParseBcfVersion(bcfVersion, options.version)) {
      error = "--bcf-version: '" + bcfVersion + "' is no BCF version";
      return std::nullopt;
    }
    if (!Ids::WriteBcfReport(result, options, bcfPath, error)) {
      return std::nullopt;
    }
  }
  return result.Passes();
}

bool RequirementsCheck::WritesBcf(std::string& error) {
  if (!Ids::BcfWritingAvailable()) {
    error = std::string("--report-bcf: ") + Ids::kNoBcfMessage;
    return false;
  }
  return true;
}

#else

struct RequirementsCheck::Documents {};

bool RequirementsCheck::Read(const std::vector<std::string>&, std::string& error) {
  error = "--ids: this build of ifcapi-export has no requirements checker (it was built without libxml2)";
  return false;
}

std::optional<bool> RequirementsCheck::Check(const std::string&, std::FILE*, std::string& error) const {
  error = "no requirements checker";
  return std::nullopt;
}

bool RequirementsCheck::WritesBcf(std::string& error) {
  error = "--report-bcf: this build writes no BCF (it has no requirements checker)";
  return false;
}

#endif

void RequirementsCheck::ReportBcf(const std::string& path, const std::string& version) {
  bcfPath = path;
  bcfVersion = version;
}

RequirementsCheck::RequirementsCheck() = default;
RequirementsCheck::~RequirementsCheck() = default;

}  // namespace Exporter
