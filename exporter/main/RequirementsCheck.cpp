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

Ifc::Status RequirementsCheck::Read(const std::vector<std::string>& paths) {
  Ifc::Expected<std::vector<Ids::Document>> read = Ids::ReadIdsDocuments(paths);
  if (!read) {
    return read.Error();
  }
  documents = std::make_unique<Documents>();
  documents->read = std::move(*read);
  return {};
}

Ifc::Expected<bool> RequirementsCheck::Check(const std::string& path, std::FILE* out) const {
  Ifc::Model model;
  if (const Ifc::Status read = model.Open(path); !read) {
    return read.Error();
  }
  const Ids::CheckResult result = Ids::Checker(Ids::ReaderModelView(model)).Run(path, documents->read);
  Ids::PrintConsoleReport(result, out);
  if (!bcfPath.empty()) {
    Ids::BcfOptions options;
    if (!bcfVersion.empty() && !Ids::ParseBcfVersion(bcfVersion, options.version)) {
      return Ifc::Failure("--bcf-version: '" + bcfVersion + "' is no BCF version");
    }
    if (Ifc::Status written = Ids::WriteBcfReport(result, options, bcfPath); !written) {
      return written.Error();
    }
  }
  return result.Passes();
}

Ifc::Status RequirementsCheck::WritesBcf() {
  if (!Ids::BcfWritingAvailable()) {
    return Ifc::Failure(std::string("--report-bcf: ") + Ids::kNoBcfMessage);
  }
  return {};
}

#else

struct RequirementsCheck::Documents {};

Ifc::Status RequirementsCheck::Read(const std::vector<std::string>&) {
  return Ifc::Failure("--ids: this build of ifcapi-export has no requirements checker (it was built without libxml2)");
}

Ifc::Expected<bool> RequirementsCheck::Check(const std::string&, std::FILE*) const {
  return Ifc::Failure("no requirements checker");
}

Ifc::Status RequirementsCheck::WritesBcf() {
  return Ifc::Failure("--report-bcf: this build writes no BCF (it has no requirements checker)");
}

#endif

void RequirementsCheck::ReportBcf(const std::string& path, const std::string& version) {
  bcfPath = path;
  bcfVersion = version;
}

RequirementsCheck::RequirementsCheck() = default;
RequirementsCheck::~RequirementsCheck() = default;

}  // namespace Exporter
