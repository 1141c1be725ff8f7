#include "idscheck/reports/ReportFile.h"

#include <cerrno>
#include <cstring>

#include "ifc/files/OutputPath.h"

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
  // The report is written beside its path and renamed into place, which would replace a device, a
  // FIFO or a folder of that name.
  if (Ifc::NamesOtherThanFile(path)) {
    error = path + ": not a regular file; name a file to write the report to";
    return false;
  }
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
    std::remove(partial.c_str());
    return false;
  }
  std::string reason;
  if (!Ifc::RenameReplacing(partial, target, reason)) {
    error = partial + ": cannot rename to " + target + ": " + reason;
    std::remove(partial.c_str());
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
    std::remove(partial.c_str());
  }
  pending.clear();
}

}  // namespace Ids
