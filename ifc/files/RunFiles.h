// The files one run of a tool reads and writes, checked before anything is read: an output may not be
// something other than a file (a folder, a device, a FIFO), which writing aside and renaming into
// place would replace, nor the same file as an input or as another output, under any spelling or
// link. Each file has a role, which the message names.
//
//   const Ifc::Status clear = Ifc::CheckRunFiles({{"m.ifc", "the model"}, {"r.ids", "the IDS document"}},
//                                                {{"m.ifc", "the JSON report"}}, "report");
//   // "m.ifc is the model m.ifc; choose another report"
#pragma once

#include <string>
#include <vector>

#include "ifc/errors/Expected.h"

namespace Ifc {

struct RunFile {
  std::string path;
  std::string role;  // "the input file", "the IDS document", "the JSON report"
};

// The first clash, in the order of `outputs`; `kind` names what an output is ("output", "report").
[[nodiscard]] Status CheckRunFiles(const std::vector<RunFile>& inputs, const std::vector<RunFile>& outputs,
                                   const std::string& kind);

}  // namespace Ifc
