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
constexpr std::size_t kCopyChunk = std::size_t{8} << 20;

constexpr char kPreprocessor[] = "'ifcapi-export " IFCAPI_EXPORT_VERSION "'";

// FILE_NAME's attributes: name, time stamp, author, organization, preprocessor, originating system,
// authorization.
constexpr std::size_t kFileNameFields = 7;
constexpr std::size_t kNameField = 0;
constexpr std::size_t kPreprocessorField = 4;

}  // namespace

std::string FileWriter::FileNameRecord(const std::string& fileName) const {
  const std::string name = StepText(KT::UniString(fileName));
  std::vector<std::string_view> fields;
  if (!SplitStepList(file.GetHeader().fileNameArguments, fields) || fields.size() != kFileNameFields) {
    return "FILE_NAME(" + name + ",'1970-01-01T00:00:00',(''),('')," + kPreprocessor + ",'','');";
  }
  std::vector<std::string> values(fields.begin(), fields.end());
  values[kNameField] = name;
  values[kPreprocessorField] = kPreprocessor;
  return "FILE_NAME(" + Join(values) + ");";
}

void FileWriter::Copy(Ifc::SafeOutputFile& out, std::size_t from, std::size_t to) {
  while (from < to && !out.Failed()) {
    const std::size_t end = std::min(to, from + kCopyChunk);
    out.Write(std::string_view(file.Data() + from, end - from));
    done += end - from;
    from = end;
    if (progress) {
      progress(done, total);
    }
  }
}

Ifc::Status FileWriter::Write(const std::string& path, const std::string& fileName, const Progress& onProgress) {
  Ifc::SafeOutputFile out;
  if (Ifc::Status opened = out.Open(path); !opened) {
    return opened;
  }
  progress = onProgress;
  done = 0;
  // Bytes after END-ISO-10303-21; and its blanks are no part of the model: not copied (see Flaws.h).
  const Ifc::Header& header = file.GetHeader();
  const std::size_t contentEnd = header.contentEnd;
  total = contentEnd + added.Text().size();
  Copy(out, 0, header.fileNameBegin);
  out.Write(FileNameRecord(fileName));
  std::size_t cursor = header.fileNameEnd;
  for (const Replacements::Entry& entry : replaced.InFileOrder()) {
    const Ifc::InstanceRecord& record = file.Record(entry.index);
    Copy(out, cursor, record.offset);
    entry.Write([&](std::string_view piece) { out.Write(piece); });
    cursor = record.offset + file.Text(entry.index).size();
    if (entry.Removed()) {
      // A removed instance takes its line end along.
      cursor += cursor < file.Size() && file.Data()[cursor] == '\r' ? 1 : 0;
      cursor += cursor < file.Size() && file.Data()[cursor] == '\n' ? 1 : 0;
    }
  }
  Copy(out, cursor, header.dataEnd);
  // New lines end as the input's lines do.
  const LineEnd lineEnd = header.crlf ? LineEnd::CrLf : LineEnd::Lf;
  if (header.dataEnd > 0 && file.Data()[header.dataEnd - 1] != '\n') {
    out.Write(LineEndText(lineEnd));
  }
  out.Write(WithLineEnds(added.Text(), lineEnd));
  Copy(out, header.dataEnd, contentEnd);
  return out.Commit();
}

}  // namespace Exporter
