// rand_s is declared only when this comes before the C runtime's first header.
#if defined(_WIN32)
#define _CRT_RAND_S
#endif

#include "ifc/files/SafeOutputFile.h"

#include <algorithm>
#include <cstdlib>
#include <random>

#include "ifc/errors/SystemError.h"
#include "ifc/files/OutputPath.h"
#include "ifc/files/RemovalOnSignal.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/random.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace Ifc {

namespace {

// Text is handed to the system in pieces of at least this size.
constexpr std::size_t kBufferSize = std::size_t{1} << 20;

// How many names are tried when the one drawn is taken.
constexpr int kNameAttempts = 16;

constexpr std::intptr_t kClosed = -1;

#if defined(_WIN32)
// How often, and how far apart, a rename refused while another process holds the output is tried.
constexpr int kRenameAttempts = 40;
constexpr DWORD kRenamePauseMilliseconds = 25;
#endif

std::uint64_t SystemRandomNumber() {
  std::uint64_t number = 0;
#if defined(_WIN32)
  unsigned int high = 0;
  unsigned int low = 0;
  if (rand_s(&high) == 0 && rand_s(&low) == 0) {
    return (std::uint64_t{high} << 32) | low;
  }
#else
  if (getrandom(&number, sizeof number, 0) == static_cast<ssize_t>(sizeof number)) {
    return number;
  }
#endif
  std::random_device device;
  number = (std::uint64_t{device()} << 32) | device();
  return number;
}

#if defined(_WIN32)

HANDLE AsHandle(std::intptr_t handle) {
  return reinterpret_cast<HANDLE>(handle);
}

// The new file's handle, or kClosed with `taken` telling whether the name was in use.
std::intptr_t CreateExclusively(const std::string& path, bool& taken) {
  // CREATE_NEW fails on any entry of that name, a link included; the handler may delete the file
  // while it is open.
  HANDLE file =
      CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_DELETE, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    taken = error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS;
    return kClosed;
  }
  return reinterpret_cast<std::intptr_t>(file);
}

bool WriteAll(std::intptr_t handle, const char* data, std::size_t size) {
  while (size > 0) {
    const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(size, std::size_t{1} << 30));
    DWORD written = 0;
    if (WriteFile(AsHandle(handle), data, piece, &written, nullptr) == 0) {
      return false;
    }
    data += written;
    size -= written;
  }
  return true;
}

bool SyncToDisk(std::intptr_t handle) {
  return FlushFileBuffers(AsHandle(handle)) != 0;
}

bool CloseFile(std::intptr_t handle) {
  return CloseHandle(AsHandle(handle)) != 0;
}

void RemoveFile(const std::string& path) {
  DeleteFileA(path.c_str());
}

// MoveFileEx replaces an existing file, which a plain rename does not do on Windows. It is refused
// while another process replaces or holds the same file, so that is waited out for a while.
bool RenameReplacing(const std::string& from, const std::string& to) {
  for (int attempt = 0; attempt < kRenameAttempts; ++attempt) {
    if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0) {
      return true;
    }
    const DWORD error = GetLastError();
    if (error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION) {
      return false;
    }
    Sleep(kRenamePauseMilliseconds);
    SetLastError(error);
  }
  return false;
}

#else

std::intptr_t CreateExclusively(const std::string& path, bool& taken) {
  // O_EXCL fails on any entry of that name, and O_NOFOLLOW on a link even without it; the mode is
  // narrowed by the umask.
  const int file = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
  taken = file < 0 && (errno == EEXIST || errno == ELOOP);
  return file < 0 ? kClosed : file;
}

bool WriteAll(std::intptr_t handle, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = write(static_cast<int>(handle), data, size);
    if (written < 0 && errno == EINTR) {
      continue;
    }
    if (written <= 0) {
      return false;
    }
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

bool SyncToDisk(std::intptr_t handle) {
  // A file system that cannot sync (EINVAL) has nothing to wait for.
  return fsync(static_cast<int>(handle)) == 0 || errno == EINVAL;
}

bool CloseFile(std::intptr_t handle) {
  return close(static_cast<int>(handle)) == 0;
}

void RemoveFile(const std::string& path) {
  unlink(path.c_str());
}

bool RenameReplacing(const std::string& from, const std::string& to) {
  return std::rename(from.c_str(), to.c_str()) == 0;
}

#endif

}  // namespace

SafeOutputFile::SafeOutputFile() : SafeOutputFile(SystemRandomNumber) {}

SafeOutputFile::SafeOutputFile(NameSource names) : names(names ? std::move(names) : NameSource(SystemRandomNumber)) {}

SafeOutputFile::~SafeOutputFile() {
  Discard();
}

std::string SafeOutputFile::TemporaryPathFor(const std::string& path, std::uint64_t number) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string name = path + ".";
  for (int shift = 60; shift >= 0; shift -= 4) {
    name += kDigits[(number >> shift) & 0xF];
  }
  return name + ".partial";
}

Status SafeOutputFile::Open(const std::string& outputPath) {
  Discard();
  path = outputPath;
  failure.clear();
  if (NamesOtherThanFile(path)) {
    return Failure(path + ": not a regular file");
  }
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    const std::string candidate = TemporaryPathFor(path, names());
    bool taken = false;
    handle = CreateExclusively(candidate, taken);
    if (handle != kClosed) {
      temporary = candidate;
      slot = RegisterForRemoval(temporary);
      buffer.reserve(kBufferSize);
      return Status();
    }
    if (!taken) {
      return Failure(path + ": cannot create: " + LastSystemErrorText());
    }
  }
  return Failure(path + ": cannot create: every temporary name tried beside it is taken");
}

void SafeOutputFile::Write(std::string_view text) {
  if (handle == kClosed || Failed()) {
    return;
  }
  if (buffer.size() + text.size() <= kBufferSize) {
    buffer.append(text);
    return;
  }
  if (WriteOut(buffer.data(), buffer.size())) {
    buffer.clear();
    if (text.size() >= kBufferSize) {
      WriteOut(text.data(), text.size());
    } else {
      buffer.append(text);
    }
  }
}

bool SafeOutputFile::WriteOut(const char* data, std::size_t size) {
  if (!WriteAll(handle, data, size)) {
    failure = LastSystemErrorText();
    return false;
  }
  return true;
}

Status SafeOutputFile::Commit() {
  if (handle == kClosed) {
    return Failure(path + ": cannot write: the file is not open");
  }
  if (!Failed() && WriteOut(buffer.data(), buffer.size()) && !SyncToDisk(handle)) {
    failure = LastSystemErrorText();
  }
  buffer.clear();
  const std::intptr_t file = handle;
  handle = kClosed;
  if (!CloseFile(file) && !Failed()) {
    failure = LastSystemErrorText();
  }
  if (Failed()) {
    return Fail("cannot write", failure);
  }
  // The path may have become a folder or a device since the file was opened.
  if (NamesOtherThanFile(path)) {
    return Fail("not a regular file", "the output was not written");
  }
  if (!RenameReplacing(temporary, path)) {
    return Fail("cannot replace", LastSystemErrorText());
  }
  UnregisterForRemoval(slot);
  slot = -1;
  temporary.clear();
  return Status();
}

Status SafeOutputFile::Fail(const std::string& verb, const std::string& reason) {
  Discard();
  return Failure(path + ": " + verb + ": " + reason);
}

void SafeOutputFile::Discard() noexcept {
  if (handle != kClosed) {
    CloseFile(handle);
    handle = kClosed;
  }
  if (!temporary.empty()) {
    RemoveFile(temporary);
    temporary.clear();
  }
  UnregisterForRemoval(slot);
  slot = -1;
  buffer.clear();
}

}  // namespace Ifc
