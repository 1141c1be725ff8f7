// Whether the command line names the IDS document before the model: the first file is XML and the
// second an ISO 10303-21 file. Only the first kSniffedBytes of each are read.
//
//   if (Ids::ModelAndIdsSwapped("walls.ids", "model.ifc")) Fail("the order is MODEL then IDS");
#pragma once

#include <cstddef>
#include <string>

namespace Ids {

constexpr std::size_t kSniffedBytes = 64;

// False when either file cannot be read: the session reports that.
bool ModelAndIdsSwapped(const std::string& first, const std::string& second);

}  // namespace Ids
