// An output path as the programs that write beside it and rename into place use it: whether it names
// another path's file under another spelling, a hard link or a symbolic link (the same device and file
// number: inode, or volume serial and file index on Windows), and whether it names something other
// than a file (a folder, a device, a FIFO), which the rename would replace.
//
//   if (NamesSameFile("model.ifc", "./out/../model.ifc")) Refuse();
//   if (NamesOtherThanFile("/dev/null")) Refuse();
#pragma once

#include <string>

namespace Ifc {

// True when both paths exist and are the same file, or when neither exists and both name one entry of
// one folder (a file written to either would be the other); false when only one exists.
bool NamesSameFile(const std::string& first, const std::string& second);

// True when `path` exists and is not a regular file (a symbolic link is followed).
bool NamesOtherThanFile(const std::string& path);

}  // namespace Ifc
