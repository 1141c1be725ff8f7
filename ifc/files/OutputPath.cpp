#include "ifc/files/OutputPath.h"

#include <cstdio>

#include "ifc/errors/SystemError.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace Ifc {

#if defined(_WIN32)

namespace {

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

}  // namespace

bool NamesSameFile(const std::string& first, const std::string& second) {
  FileIdentity a;
  FileIdentity b;
  return Identify(first, a) && Identify(second, b) && a.volume == b.volume && a.high == b.high && a.low == b.low;
}

bool NamesOtherThanFile(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool RenameReplacing(const std::string& from, const std::string& to, std::string& reason) {
  if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) == 0) {
    reason = LastSystemErrorText();
    return false;
  }
  return true;
}

#else

bool NamesSameFile(const std::string& first, const std::string& second) {
  struct stat a;
  struct stat b;
  return stat(first.c_str(), &a) == 0 && stat(second.c_str(), &b) == 0 && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

bool NamesOtherThanFile(const std::string& path) {
  struct stat status;
  return stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode);
}

bool RenameReplacing(const std::string& from, const std::string& to, std::string& reason) {
  if (std::rename(from.c_str(), to.c_str()) != 0) {
    reason = LastSystemErrorText();
    return false;
  }
  return true;
}

#endif

}  // namespace Ifc
