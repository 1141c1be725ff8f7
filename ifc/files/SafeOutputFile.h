// An output file that appears whole or not at all. The text goes to a temporary file beside the
// output, under a name no one can predict (PATH.<16 random hex digits>.partial), created exclusively
// and without following a link planted at that name; Commit flushes it to the disk and renames it over
// PATH in one step, so concurrent writers of one path leave one of their files, whole. The temporary
// is removed on every failure, when the object goes away uncommitted, and when the process is ended
// by SIGINT, SIGTERM or SIGHUP; a write past the file size limit fails (EFBIG) instead of ending the
// process with SIGXFSZ. Messages name PATH, never the temporary.
//
//   Ifc::SafeOutputFile out;
//   if (auto opened = out.Open("model-enriched.ifc"); !opened) Fail(opened.Error());
//   out.Write(text);                  // buffered; a failure is kept for Commit
//   if (auto done = out.Commit(); !done) Fail(done.Error());  // "model-enriched.ifc: cannot write: ..."
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "ifc/errors/Expected.h"

namespace Ifc {

class SafeOutputFile {
 public:
  // Gives the random numbers of the temporary names (empty: the system's); tests pass a sequence.
  using NameSource = std::function<std::uint64_t()>;

  SafeOutputFile();
  explicit SafeOutputFile(NameSource names);
  SafeOutputFile(const SafeOutputFile&) = delete;
  SafeOutputFile& operator=(const SafeOutputFile&) = delete;
  ~SafeOutputFile();

  // Creates the temporary beside `path`. Fails when `path` names something other than a file (a
  // folder, a device, a FIFO), which the rename would replace, or when no file can be made there.
  [[nodiscard]] Status Open(const std::string& path);

  // Appends `text`. After a failed write the rest is skipped, and Commit reports the failure.
  void Write(std::string_view text);

  // True once a write has failed.
  bool Failed() const noexcept { return !failure.empty(); }

  // Writes what is buffered, flushes the file to the disk, closes it and renames it over the path.
  // On failure the temporary is removed and the path is left as it was.
  [[nodiscard]] Status Commit();

  // The temporary's path while the file is open; empty otherwise.
  const std::string& TemporaryPath() const noexcept { return temporary; }

  // The temporary's path for `path` and the random `number`.
  static std::string TemporaryPathFor(const std::string& path, std::uint64_t number);

 private:
  bool WriteOut(const char* data, std::size_t size);
  Status Fail(const std::string& verb, const std::string& reason);
  void Discard() noexcept;

  NameSource names;
  std::string path;
  std::string temporary;
  std::string buffer;
  std::string failure;  // the system's words for the first failed write
  std::intptr_t handle = -1;
  int slot = -1;  // in the list the signal handler removes
};

}  // namespace Ifc
