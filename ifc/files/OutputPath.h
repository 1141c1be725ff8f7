// An output path as the programs that write beside it and rename into place use it: whether it names
// the input under another spelling, a hard link or a symbolic link (the same device and file number:
// inode, or volume serial and file index on Windows), whether it names something other than a file
// (a folder, a device, a FIFO), which the rename would replace, and the rename itself.
//
//   if (NamesSameFile("model.ifc", "./out/../model.ifc")) Refuse();
//   if (NamesOtherThanFile("/dev/null")) Refuse();
//   if (!RenameReplacing("out.ifc.partial", "out.ifc", reason)) Report(reason);
#pragma once

#include <string>

namespace Ifc {

// True when both paths exist and are the same file; false when either does not exist.
bool NamesSameFile(const std::string& first, const std::string& second);

// True when `path` exists and is not a regular file (a symbolic link is followed).
bool NamesOtherThanFile(const std::string& path);

// Renames `from` to `to`, replacing `to` if it exists (which a plain rename does not on Windows);
// false with `reason` set to the system's text otherwise.
bool RenameReplacing(const std::string& from, const std::string& to, std::string& reason);

}  // namespace Ifc
