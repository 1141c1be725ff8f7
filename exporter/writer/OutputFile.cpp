#include "exporter/writer/OutputFile.h"

#include <cerrno>
#include <cstring>

#include "exporter/addon/Platform.h"
#include "ifc/files/OutputPath.h"

namespace Exporter {

OutputFile::OutputFile(std::string path) : path(std::move(path)), partial(this->path + ".partial") {}

OutputFile::~OutputFile() {
  if (file != nullptr) {
    std::fclose(file);
    RemoveFile(partial);
  }
}

bool OutputFile::Open(std::string& error) {
  file = std::fopen(partial.c_str(), "wb");
  if (file == nullptr) {
    error = partial + ": cannot create: " + std::strerror(errno);
    return false;
  }
  std::setvbuf(file, nullptr, _IOFBF, std::size_t{1} << 20);
  return true;
}

bool OutputFile::Write(std::string_view text) {
  failed = failed || (!text.empty() && std::fwrite(text.data(), 1, text.size(), file) != text.size());
  return !failed;
}

bool OutputFile::Commit(std::string& error) {
  const bool flushed = !failed && std::fflush(file) == 0 && std::ferror(file) == 0;
  const int writeError = errno;
  const bool closed = std::fclose(file) == 0;
  file = nullptr;
  if (!flushed || !closed) {
    RemoveFile(partial);
    error = partial + ": cannot write: " + std::strerror(flushed ? errno : writeError);
    return false;
  }
  std::string reason;
  if (!Ifc::RenameReplacing(partial, path, reason)) {
    RemoveFile(partial);
    error = path + ": cannot replace with " + partial + ": " + reason;
    return false;
  }
  return true;
}

}  // namespace Exporter
