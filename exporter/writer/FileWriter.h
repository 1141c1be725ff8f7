// Writes the enriched file: the input's bytes with the header's FILE_NAME rewritten, the replaced
// instances in place of theirs, and the new instances at the end of the data section. Unchanged
// stretches of the input are copied as they are, in blocks, so that progress can be shown.
//
//   FileWriter writer(file, replacements, added);
//   if (auto written = writer.Write("out.ifc", "out.ifc"); !written) Fail(written.Error());  // no file left
#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "exporter/writer/NewInstances.h"
#include "exporter/writer/Replacements.h"
#include "ifc/errors/Expected.h"
#include "ifc/files/SafeOutputFile.h"
#include "ifc/step/Model.h"

namespace Exporter {

class FileWriter {
 public:
  // Called now and then with the bytes written so far out of `total`.
  using Progress = std::function<void(std::size_t done, std::size_t total)>;

  // The arguments must outlive the writer.
  FileWriter(const Ifc::Model& file, Replacements& replaced, const NewInstances& added) noexcept
      : file(file), replaced(replaced), added(added) {}

  // Writes to `path` (aside, then renamed: Ifc::SafeOutputFile); `fileName` goes into the header. On
  // failure no file is left behind.
  [[nodiscard]] Ifc::Status Write(const std::string& path, const std::string& fileName,
                                  const Progress& progress = nullptr);

  // The header's FILE_NAME record for the output: the input's, naming `fileName` and this tool.
  std::string FileNameRecord(const std::string& fileName) const;

 private:
  void Copy(Ifc::SafeOutputFile& out, std::size_t from, std::size_t to);

  const Ifc::Model& file;
  Replacements& replaced;
  const NewInstances& added;
  Progress progress;
  std::size_t done = 0;
  std::size_t total = 0;
};

}  // namespace Exporter
