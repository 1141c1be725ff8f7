// The bytes of a file to read: a regular file mapped read-only (or, for a test, bytes the caller
// keeps). A path that is no regular file (a FIFO, a device, a directory) is refused at once, never
// waited on.
//
//   ByteSource source;
//   if (const Status opened = source.Open("model.ifc"); !opened) Fail(opened.Error());  // "model.ifc: not a regular
//   file" Read(source.Bytes());
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "ifc/errors/Expected.h"

namespace Ifc {

class ByteSource {
 public:
  ByteSource() = default;
  ByteSource(const ByteSource&) = delete;
  ByteSource& operator=(const ByteSource&) = delete;
  ~ByteSource();

  // Maps the regular file at `path`; fails naming the path and the reason.
  [[nodiscard]] Status Open(const std::string& path);

  const char* Data() const noexcept { return data; }
  std::size_t Size() const noexcept { return size; }
  std::string_view Bytes() const noexcept { return std::string_view(data, size); }

 private:
  void Close() noexcept;
  bool Map(const std::string& path, std::string& error);

  const char* data = nullptr;
  std::size_t size = 0;
  bool mapped = false;
#if defined(_WIN32)
  void* mapping = nullptr;
#endif
};

}  // namespace Ifc
