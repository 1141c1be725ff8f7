#include "ifc/files/RunFiles.h"

#include "ifc/files/OutputPath.h"

namespace Ifc {

Status CheckRunFiles(const std::vector<RunFile>& inputs, const std::vector<RunFile>& outputs, const std::string& kind) {
  for (std::size_t k = 0; k < outputs.size(); ++k) {
    const std::string& output = outputs[k].path;
    if (NamesOtherThanFile(output)) {
      return Failure(output + ": not a regular file; name a file to write the " + kind + " to");
    }
    const auto clash = [&](const RunFile& other) {
      return Failure(output + " is " + other.role + " " + other.path + "; choose another " + kind);
    };
    for (const RunFile& input : inputs) {
      if (NamesSameFile(input.path, output)) {
        return clash(input);
      }
    }
    for (std::size_t earlier = 0; earlier < k; ++earlier) {
      if (NamesSameFile(outputs[earlier].path, output)) {
        return clash(outputs[earlier]);
      }
    }
  }
  return Status();
}

}  // namespace Ifc
