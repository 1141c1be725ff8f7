#include "ifc/files/OutputPath.h"

#include <algorithm>

#if defined(_WIN32)
#include <windows.h>

#include <cctype>
#else
#include <sys/stat.h>
#endif

namespace Ifc {

namespace {

// The folder part of `path` ("." when it has none) and its last part.
struct SplitPath {
  std::string folder;
  std::string name;
};

SplitPath Split(const std::string& path) {
#if defined(_WIN32)
  const std::size_t slash = path.find_last_of("/\\");
#else
  const std::size_t slash = path.find_last_of('/');
#endif
  if (slash == std::string::npos) {
    return SplitPath{".", path};
  }
  return SplitPath{slash == 0 ? path.substr(0, 1) : path.substr(0, slash), path.substr(slash + 1)};
}

#if defined(_WIN32)

struct FileIdentity {
  DWORD volume = 0;
  DWORD high = 0;
  DWORD low = 0;
};

bool Identify(const std::string& path, FileIdentity& identity) {
  // No access rights are needed to ask who a file is; folders open only with backup semantics.
  HANDLE file = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    return false;
  }
  BY_HANDLE_FILE_INFORMATION information{};
  const bool ok = GetFileInformationByHandle(file, &information) != 0;
  CloseHandle(file);
  identity = FileIdentity{information.dwVolumeSerialNumber, information.nFileIndexHigh, information.nFileIndexLow};
  return ok;
}

bool SameIdentity(const FileIdentity& a, const FileIdentity& b) {
  return a.volume == b.volume && a.high == b.high && a.low == b.low;
}

// Windows file names do not tell case apart.
bool SameName(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

#else

using FileIdentity = struct stat;

bool Identify(const std::string& path, FileIdentity& identity) {
  return stat(path.c_str(), &identity) == 0;
}

bool SameIdentity(const FileIdentity& a, const FileIdentity& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

bool SameName(const std::string& a, const std::string& b) {
  return a == b;
}

#endif

}  // namespace

bool NamesSameFile(const std::string& first, const std::string& second) {
  FileIdentity a;
  FileIdentity b;
  const bool firstExists = Identify(first, a);
  const bool secondExists = Identify(second, b);
  if (firstExists || secondExists) {
    return firstExists && secondExists && SameIdentity(a, b);
  }
  const SplitPath one = Split(first);
  const SplitPath other = Split(second);
  return SameName(one.name, other.name) && Identify(one.folder, a) && Identify(other.folder, b) && SameIdentity(a, b);
}

#if defined(_WIN32)

bool NamesOtherThanFile(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

#else

bool NamesOtherThanFile(const std::string& path) {
  struct stat status;
  return stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode);
}

#endif

}  // namespace Ifc
