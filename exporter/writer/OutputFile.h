// The output file, written aside and renamed into place: the text goes to PATH.partial, which becomes
// PATH only when all of it is written. On any failure, and when the object goes away uncommitted, the
// partial file is removed, so a failed run leaves no output at all.
//
//   OutputFile out("model-enriched.ifc");
//   std::string error;
//   if (!out.Open(error)) Fail(error);            // "model-enriched.ifc.partial: cannot create: ..."
//   out.Write(text);
//   if (!out.Commit(error)) Fail(error);
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace Exporter {

class OutputFile {
 public:
  explicit OutputFile(std::string path);
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;
  ~OutputFile();

  // Creates the partial file; false with `error` set when it cannot.
  bool Open(std::string& error);

  // Appends `text`; false once a write has failed (later writes are skipped).
  bool Write(std::string_view text);

  // Closes the partial file and renames it to the path; false with `error` set, and the partial file
  // removed, when a write, the close or the rename failed.
  bool Commit(std::string& error);

  const std::string& PartialPath() const noexcept { return partial; }

 private:
  std::string path;
  std::string partial;
  std::FILE* file = nullptr;
  bool failed = false;
};

}  // namespace Exporter
