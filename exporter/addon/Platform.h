// What ifcapi-export needs from the operating system, behind one small interface: a loaded shared
// library, the tool's own folder and whether standard error is a terminal.
// Platform.cpp is the only file with POSIX or Windows calls (the input is mapped by Ifc::ByteSource).
//
//   SharedLibrary library;
//   if (const Ifc::Status opened = library.Open(path); !opened) Fail(opened.Error());
//   void* entry = library.Find("IFCAPIAddOnRegister");
#pragma once

#include <string>

#include "ifc/errors/Expected.h"

namespace Exporter {

// A shared library loaded for the lifetime of the object.
class SharedLibrary {
 public:
  SharedLibrary() = default;
  SharedLibrary(const SharedLibrary&) = delete;
  SharedLibrary& operator=(const SharedLibrary&) = delete;
  ~SharedLibrary();

  // Loads the file at `path`, relative to the current folder unless absolute (a bare file name too,
  // never searched for on the loader's path); fails with the system's reason.
  [[nodiscard]] Ifc::Status Open(const std::string& path);

  // The exported symbol `name`, or null.
  void* Find(const char* name) const noexcept;

 private:
  void* handle = nullptr;
};

// The folder of the running executable, with a trailing separator; empty when unknown.
std::string ExecutableDirectory();

// The file name of the example add-on as the build names it on this system.
const char* ExampleAddOnFileName() noexcept;

// Whether standard error is a terminal (where a progress bar may redraw itself).
bool StandardErrorIsTerminal() noexcept;

}  // namespace Exporter
