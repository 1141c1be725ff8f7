#include "ifc/step/ByteSource.h"

#include "ifc/errors/SystemError.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace Ifc {

ByteSource::~ByteSource() {
  Close();
}

#if defined(_WIN32)

void ByteSource::Close() noexcept {
  if (mapped) {
    UnmapViewOfFile(data);
  }
  if (mapping != nullptr) {
    CloseHandle(mapping);
  }
  mapping = nullptr;
  mapped = false;
  data = nullptr;
  size = 0;
}

bool ByteSource::Map(const std::string& path, std::string& error) {
  Close();
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    error = path + ": not a regular file";
    return false;
  }
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    error = path + ": cannot open: " + LastSystemErrorText();
    return false;
  }
  // Pipes and devices (CON, NUL, COM1) are no files on disk.
  LARGE_INTEGER length;
  if (GetFileType(file) != FILE_TYPE_DISK || !GetFileSizeEx(file, &length)) {
    CloseHandle(file);
    error = path + ": not a regular file";
    return false;
  }
  size = static_cast<std::size_t>(length.QuadPart);
  if (size == 0) {
    CloseHandle(file);
    data = "";
    return true;
  }
  mapping = CreateFileMappingA(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
  CloseHandle(file);
  if (mapping == nullptr) {
    error = path + ": cannot map: " + LastSystemErrorText();
    size = 0;
    return false;
  }
  data = static_cast<const char*>(MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0));
  if (data == nullptr) {
    error = path + ": cannot map: " + LastSystemErrorText();
    Close();
    return false;
  }
  mapped = true;
  return true;
}

#else

void ByteSource::Close() noexcept {
  if (mapped) {
    munmap(const_cast<char*>(data), size);
  }
  mapped = false;
  data = nullptr;
  size = 0;
}

bool ByteSource::Map(const std::string& path, std::string& error) {
  Close();
  // Non-blocking, so that opening a FIFO without a writer returns at once; fstat then refuses it.
  const int file = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (file < 0) {
    error = path + ": cannot open: " + LastSystemErrorText();
    return false;
  }
  struct stat status {};
  if (fstat(file, &status) != 0 || !S_ISREG(status.st_mode)) {
    error = path + ": not a regular file";
    close(file);
    return false;
  }
  size = static_cast<std::size_t>(status.st_size);
  if (size == 0) {
    close(file);
    data = "";
    return true;
  }
  void* bytes = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, file, 0);
  close(file);
  if (bytes == MAP_FAILED) {
    error = path + ": cannot map: " + LastSystemErrorText();
    size = 0;
    return false;
  }
  // One front-to-back pass: read ahead, and let pages already scanned go first.
  madvise(bytes, size, MADV_SEQUENTIAL);
  data = static_cast<const char*>(bytes);
  mapped = true;
  return true;
}

#endif

Status ByteSource::Open(const std::string& path) {
  std::string error;
  if (!Map(path, error)) {
    return Failure(error);
  }
  return Status();
}

}  // namespace Ifc
