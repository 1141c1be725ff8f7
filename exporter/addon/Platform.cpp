#include "exporter/addon/Platform.h"

#include <cstdio>

#include "ifc/errors/SystemError.h"

#if defined(_WIN32)
#include <io.h>
#include <windows.h>
#else
#include <dlfcn.h>
#include <unistd.h>
#endif

namespace Exporter {

#if defined(_WIN32)

SharedLibrary::~SharedLibrary() {
  if (handle != nullptr) {
    FreeLibrary(static_cast<HMODULE>(handle));
  }
}

Ifc::Status SharedLibrary::Open(const std::string& path) {
  // A full path, searched from the library's own folder for what it needs: never the DLL search path.
  char full[MAX_PATH];
  const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
  if (length == 0 || length >= MAX_PATH) {
    return Ifc::Failure(length == 0 ? Ifc::LastSystemErrorText() : "the full path is longer than MAX_PATH");
  }
  handle = LoadLibraryExA(full, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
  if (handle == nullptr) {
    return Ifc::Failure(Ifc::LastSystemErrorText());
  }
  return {};
}

void* SharedLibrary::Find(const char* name) const noexcept {
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle), name));
}

std::string ExecutableDirectory() {
  char buffer[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
  std::string path(buffer, length);
  const std::size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

const char* ExampleAddOnFileName() noexcept {
#if defined(__MINGW32__)
  return "libexample_addon.dll";  // MinGW keeps the "lib" prefix on DLLs
#else
  return "example_addon.dll";
#endif
}

bool StandardErrorIsTerminal() noexcept {
  return _isatty(_fileno(stderr)) != 0;
}

#else

SharedLibrary::~SharedLibrary() {
  if (handle != nullptr) {
    dlclose(handle);
  }
}

Ifc::Status SharedLibrary::Open(const std::string& path) {
  // A name without a slash would be searched for on the loader's path: the file given is meant.
  const std::string file = path.find('/') == std::string::npos ? "./" + path : path;
  handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    const char* reason = dlerror();
    return Ifc::Failure(reason != nullptr ? reason : "unknown reason");
  }
  return {};
}

void* SharedLibrary::Find(const char* name) const noexcept {
  return dlsym(handle, name);
}

std::string ExecutableDirectory() {
  char buffer[4096];
  const ssize_t length = readlink("/proc/self/exe", buffer, sizeof(buffer));
  if (length <= 0) {
    return std::string();
  }
  std::string path(buffer, static_cast<std::size_t>(length));
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

const char* ExampleAddOnFileName() noexcept {
  return "libexample_addon.so";
}

bool StandardErrorIsTerminal() noexcept {
  return isatty(STDERR_FILENO) != 0;
}

#endif

}  // namespace Exporter
