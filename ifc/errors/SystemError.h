#pragma once

// The operating system's words for the error of the last failed call on this thread: on Windows the
// message of GetLastError(), elsewhere strerror(errno), without a trailing full stop or line end.
//
//   if (!MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING)) error = LastSystemErrorText();

#include <string>

namespace Ifc {

std::string LastSystemErrorText();

}  // namespace Ifc
