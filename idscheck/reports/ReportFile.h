// A report file that appears whole or not at all: text is buffered and written to PATH.partial, which
// Commit renames to PATH; a file never committed is removed on destruction.
//
//   Ids::ReportFile file;
//   std::string error;
//   if (!file.Open("report.json", error)) return false;
//   file.Text() += "{}\n";
//   return file.Commit(error);
#pragma once

#include <cstdio>
#include <string>

namespace Ids {

class ReportFile {
 public:
  ReportFile() = default;
  ReportFile(const ReportFile&) = delete;
  ReportFile& operator=(const ReportFile&) = delete;
  ~ReportFile();

  // Creates PATH.partial; false with `error` naming it and the reason when it cannot.
  bool Open(const std::string& path, std::string& error);

  // The text not yet written; append to it, then call Flush now and then to bound the memory.
  std::string& Text() noexcept { return pending; }

  // Writes the pending text once it has grown past a megabyte; false with `error` set on failure.
  bool Flush(std::string& error);

  // Writes the rest, closes and renames PATH.partial to PATH, replacing it.
  bool Commit(std::string& error);

 private:
  bool WritePending(std::string& error);
  void Discard() noexcept;

  std::string target;
  std::string partial;
  std::FILE* file = nullptr;
  std::string pending;
};

}  // namespace Ids
