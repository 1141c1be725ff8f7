// Whether two paths name one file: the same device and file number (inode; volume serial and file
// index on Windows), so that another spelling, a hard link or a symbolic link is seen through. The
// tool refuses an output that is its input before it writes anything.
//
//   if (NamesSameFile("model.ifc", "./out/../model.ifc")) Refuse();
#pragma once

#include <string>

namespace Exporter {

// True when both paths exist and are the same file; false when either does not exist.
bool NamesSameFile(const std::string& first, const std::string& second);

}  // namespace Exporter
