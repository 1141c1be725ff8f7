#include "ifc/errors/SystemError.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <cerrno>
#include <cstring>
#endif

namespace Ifc {

std::string LastSystemErrorText() {
#if defined(_WIN32)
  char buffer[512] = {};
  FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, GetLastError(), 0, buffer,
                 sizeof(buffer), nullptr);
  std::string text(buffer);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == '.')) {
    text.pop_back();
  }
  return text;
#else
  return std::strerror(errno);
#endif
}

}  // namespace Ifc
