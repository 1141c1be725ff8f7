#include "ReportFile.h"

#include <cerrno>
#include <cstring>

#include "Platform.h"

namespace Ids {

namespace {
constexpr std::size_t kFlushThreshold = std::size_t{1} << 20;
}  // namespace

ReportFile::~ReportFile() {
  Discard();
}

bool ReportFile::Open(const std::string& path, std::string& error) {
  Discard();
  target = path;
  partial = path + ".partial";
  file = std::fopen(partial.c_str(), "wb");
  if (file == nullptr) {
    error = partial + ": cannot create: " + std::strerror(errno);
    return false;
  }
  return true;
}

bool ReportFile::Flush(std::string& error) {
  return pending.size() < kFlushThreshold || WritePending(error);
}

bool ReportFile::Commit(std::string& error) {
  if (file == nullptr) {
    error = target + ": the report file is not open";
    return false;
  }
  if (!WritePending(error)) {
    return false;
  }
  const bool closed = std::fclose(file) == 0;
  file = nullptr;
  if (!closed) {
    error = partial + ": cannot write: " + std::strerror(errno);
    Exporter::RemoveFile(partial);
    return false;
  }
  std::string reason;
  if (!Exporter::RenameReplacing(partial, target, reason)) {
    error = partial + ": cannot rename to " + target + ": " + reason;
    Exporter::RemoveFile(partial);
    return false;
  }
  return true;
}

bool ReportFile::WritePending(std::string& error) {
  if (!pending.empty() && std::fwrite(pending.data(), 1, pending.size(), file) != pending.size()) {
    error = partial + ": cannot write: " + std::strerror(errno);
    return false;
  }
  pending.clear();
  return true;
}

void ReportFile::Discard() noexcept {
  if (file != nullptr) {
    std::fclose(file);
    file = nullptr;
    Exporter::RemoveFile(partial);
  }
  pending.clear();
}

}  // namespace Ids
