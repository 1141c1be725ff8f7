// What a program asks of an output path before it writes anything: whether it names the input under
// another spelling, a hard link or a symbolic link (the same device and file number: inode, or volume
// serial and file index on Windows), and whether it names something other than a file (a folder, a
// device, a FIFO), which the write beside it and rename into place would replace.
//
//   if (NamesSameFile("model.ifc", "./out/../model.ifc")) Refuse();
//   if (NamesOtherThanFile("/dev/null")) Refuse();
#pragma once

#include <string>

namespace IfcReader {

// True when both paths exist and are the same file; false when either does not exist.
bool NamesSameFile(const std::string& first, const std::string& second);

// True when `path` exists and is not a regular file (a symbolic link is followed).
bool NamesOtherThanFile(const std::string& path);

}  // namespace IfcReader
