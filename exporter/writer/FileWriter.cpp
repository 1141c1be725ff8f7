#include "exporter/writer/FileWriter.h"

#include <algorithm>
#include <vector>

#include "exporter/writer/InstanceText.h"
#include "exporter/writer/LineEnds.h"
#include "ifc/text/StepText.h"

#ifndef IFCAPI_EXPORT_VERSION
#define IFCAPI_EXPORT_VERSION "0"
#endif

namespace Exporter {

namespace {

// Big spans of the input go to the file in pieces of this size, so progress can be shown.
constexpr std::size_t CopyChunk = std::size_t{8} << 20;

constexpr char Preprocessor[] = "'ifcapi-export " IFCAPI_EXPORT_VERSION "'";

// FILE_NAME's attributes: name, time stamp, author, organization, preprocessor, originating system,
// authorization.
constexpr std::size_t FileNameFields = 7;
constexpr std::size_t NameField = 0;
constexpr std::size_t PreprocessorField = 4;

}  // namespace

std::string FileWriter::FileNameRecord(const std::string& fileName) const {
  const std::string name = StepText(KT::UniString(fileName));
  std::vector<std::string_view> fields;
  if (!SplitStepList(file.FileNameArguments(), fields) || fields.size() != FileNameFields) {
    return "FILE_NAME(" + name + ",'1970-01-01T00:00:00',(''),('')," + Preprocessor + ",'','');";
  }
  std::vector<std::string> values(fields.begin(), fields.end());
  values[NameField] = name;
  values[PreprocessorField] = Preprocessor;
  return "FILE_NAME(" + Join(values) + ");";
}

void FileWriter::Copy(OutputFile& out, std::size_t from, std::size_t to) {
  while (from < to) {
    const std::size_t end = std::min(to, from + CopyChunk);
    if (!out.Write(std::string_view(file.Data() + from, end - from))) {
      return;
    }
    done += end - from;
    from = end;
    if (progress) {
      progress(done, total);
    }
  }
}

bool FileWriter::Write(const std::string& path, const std::string& fileName, std::string& error,
                       const Progress& onProgress) {
  OutputFile out(path);
  if (!out.Open(error)) {
    return false;
  }
  progress = onProgress;
  done = 0;
  // Bytes after END-ISO-10303-21; and its blanks are no part of the model: not copied (see Flaws.h).
  const std::size_t contentEnd = file.Model().GetHeader().contentEnd;
  total = contentEnd + added.Text().size();
  Copy(out, 0, file.FileNameBegin());
  out.Write(FileNameRecord(fileName));
  std::size_t cursor = file.FileNameEnd();
  for (const auto& [index, text] : replaced.InFileOrder()) {
    const Ifc::InstanceRecord& record = file.Model().Record(index);
    Copy(out, cursor, record.offset);
    out.Write(text);
    cursor = record.offset + record.length;
    if (text.empty()) {
      // A removed instance takes its line end along.
      cursor += cursor < file.Size() && file.Data()[cursor] == '\r' ? 1 : 0;
      cursor += cursor < file.Size() && file.Data()[cursor] == '\n' ? 1 : 0;
    }
  }
  Copy(out, cursor, file.DataEnd());
  // New lines end as the input's lines do.
  const LineEnd lineEnd = file.CrLf() ? LineEnd::CrLf : LineEnd::Lf;
  if (file.DataEnd() > 0 && file.Data()[file.DataEnd() - 1] != '\n') {
    out.Write(LineEndText(lineEnd));
  }
  out.Write(WithLineEnds(added.Text(), lineEnd));
  Copy(out, file.DataEnd(), contentEnd);
  return out.Commit(error);
}

}  // namespace Exporter
