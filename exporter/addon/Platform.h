// What ifcapi-export needs from the operating system, behind one small interface: a read-only file
// mapping, a loaded shared library, an atomic file replacement and the tool's own folder. Platform.cpp
// is the only file with POSIX or Windows calls.
//
//   MappedFile input;
//   std::string error;
//   if (!input.Open("model.ifc", error)) Fail(error);
//   Scan(input.Data(), input.Size());
#pragma once

#include <cstddef>
#include <string>

#include "ifc/step/ByteSource.h"

namespace Exporter {

// A whole file mapped read-only; unmapped on destruction. Only regular files are read: a FIFO, a
// device or a folder is refused at once.
class MappedFile {
 public:
  // Maps `path`; false with `error` set (naming the path and the reason) when it cannot be read.
  bool Open(const std::string& path, std::string& error) { return source.Open(path, error); }

  const char* Data() const noexcept { return source.Data(); }
  std::size_t Size() const noexcept { return source.Size(); }

 private:
  Ifc::ByteSource source;
};

// A shared library loaded for the lifetime of the object.
class SharedLibrary {
 public:
  SharedLibrary() = default;
  SharedLibrary(const SharedLibrary&) = delete;
  SharedLibrary& operator=(const SharedLibrary&) = delete;
  ~SharedLibrary();

  // Loads the file at `path`, relative to the current folder unless absolute (a bare file name too,
  // never searched for on the loader's path); false with `error` set to the system's reason.
  bool Open(const std::string& path, std::string& error);

  // The exported symbol `name`, or null.
  void* Find(const char* name) const noexcept;

 private:
  void* handle = nullptr;
};

// Removes `path` if it exists, quietly.
void RemoveFile(const std::string& path) noexcept;

// The folder of the running executable, with a trailing separator; empty when unknown.
std::string ExecutableDirectory();

// The file name of the example add-on as the build names it on this system.
const char* ExampleAddOnFileName() noexcept;

// Whether standard error is a terminal (where a progress bar may redraw itself).
bool StandardErrorIsTerminal() noexcept;

}  // namespace Exporter
