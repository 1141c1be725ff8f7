#include "exporter/session/CrashGuard.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <csignal>
#include <cstdlib>
#include <cstring>

#include "commandline/ExitCode.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace Exporter {

namespace {

constexpr int kExitCode = CommandLine::ToInt(CommandLine::ExitCode::AddOnFailed);

// " for #N (ENTITY, GlobalId '22 characters')": the number has at most 20 digits, the entity name is
// cut to fit.
constexpr std::size_t kElementCapacity = 160;

// What the handler reads: written before each query on the querying thread.
char element[kElementCapacity];
std::size_t elementLength = 0;
std::atomic<const char*> runningQuery{nullptr};

void Append(char*& out, char* end, std::string_view text) noexcept {
  const std::size_t length = std::min(text.size(), static_cast<std::size_t>(end - out));
  std::memcpy(out, text.data(), length);
  out += length;
}

// Writes `text` to standard error: async-signal-safe.
void WriteError(const char* text, std::size_t length) noexcept {
#if defined(_WIN32)
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_ERROR_HANDLE), text, static_cast<DWORD>(length), &written, nullptr);
#else
  while (length > 0) {
    const ssize_t written = write(STDERR_FILENO, text, length);
    if (written <= 0) {
      return;
    }
    text += written;
    length -= static_cast<std::size_t>(written);
  }
#endif
}

void WriteError(std::string_view text) noexcept {
  WriteError(text.data(), text.size());
}

// Says which query crashed and how, and ends the process.
[[noreturn]] void Report(const char* query, std::string_view how) noexcept {
  WriteError("ifcapi-export: the add-on crashed in ");
  WriteError(query, std::strlen(query));
  WriteError(element, elementLength);
  WriteError(": ");
  WriteError(how);
  WriteError("\n");
  _exit(kExitCode);
}

std::string_view SignalName(int signal) noexcept {
  switch (signal) {
    case SIGSEGV:
      return "invalid memory access (SIGSEGV)";
#if !defined(_WIN32)
    case SIGBUS:
      return "bus error (SIGBUS)";
#endif
    case SIGILL:
      return "illegal instruction (SIGILL)";
    case SIGFPE:
      return "arithmetic error (SIGFPE)";
    case SIGABRT:
      return "aborted (SIGABRT)";
    default:
      return "signal";
  }
}

#if defined(_WIN32)

LPTOP_LEVEL_EXCEPTION_FILTER previousFilter = nullptr;
void (*previousAbort)(int) = SIG_DFL;

std::string_view ExceptionName(DWORD code) noexcept {
  switch (code) {
    case EXCEPTION_ACCESS_VIOLATION:
      return "invalid memory access (access violation)";
    case EXCEPTION_STACK_OVERFLOW:
      return "stack overflow";
    case EXCEPTION_ILLEGAL_INSTRUCTION:
      return "illegal instruction";
    case EXCEPTION_INT_DIVIDE_BY_ZERO:
      return "integer division by zero";
    default:
      return "unhandled exception";
  }
}

LONG WINAPI OnException(EXCEPTION_POINTERS* exception) {
  const char* query = runningQuery.load();
  if (query == nullptr) {
    return previousFilter != nullptr ? previousFilter(exception) : EXCEPTION_CONTINUE_SEARCH;
  }
  Report(query, ExceptionName(exception->ExceptionRecord->ExceptionCode));
}

void OnAbort(int signal) {
  const char* query = runningQuery.load();
  if (query == nullptr) {
    std::signal(signal, SIG_DFL);
    std::raise(signal);
    return;
  }
  Report(query, SignalName(signal));
}

void Install() noexcept {
  previousFilter = SetUnhandledExceptionFilter(OnException);
  previousAbort = std::signal(SIGABRT, OnAbort);
}

void Restore() noexcept {
  SetUnhandledExceptionFilter(previousFilter);
  std::signal(SIGABRT, previousAbort);
}

#else

constexpr int kSignals[] = {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT};
constexpr std::size_t kSignalCount = sizeof(kSignals) / sizeof(kSignals[0]);
// The handler's own stack: a stack overflow leaves none on the crashing one.
constexpr std::size_t kAlternateStackSize = std::size_t{64} << 10;

alignas(16) char alternateStack[kAlternateStackSize];
stack_t previousStack;
struct sigaction previousActions[kSignalCount];

void OnSignal(int signal) {
  const char* query = runningQuery.load();
  if (query == nullptr) {
    // The action was reset on entry (SA_RESETHAND): the default one ends the process.
    raise(signal);
    return;
  }
  Report(query, SignalName(signal));
}

void Install() noexcept {
  stack_t stack{};
  stack.ss_sp = alternateStack;
  stack.ss_size = kAlternateStackSize;
  sigaltstack(&stack, &previousStack);
  struct sigaction action {};
  action.sa_handler = OnSignal;
  action.sa_flags = SA_ONSTACK | SA_RESETHAND | SA_NODEFER;
  sigemptyset(&action.sa_mask);
  for (std::size_t i = 0; i < kSignalCount; ++i) {
    sigaction(kSignals[i], &action, &previousActions[i]);
  }
}

void Restore() noexcept {
  for (std::size_t i = 0; i < kSignalCount; ++i) {
    sigaction(kSignals[i], &previousActions[i], nullptr);
  }
  sigaltstack(&previousStack, nullptr);
}

#endif

}  // namespace

CrashGuard::CrashGuard() {
  NoElement();
  Install();
}

CrashGuard::~CrashGuard() {
  Leave();
  Restore();
}

void CrashGuard::Element(std::uint64_t number, std::string_view entity, const GuidBytes& guid) noexcept {
  char* out = element;
  char* const end = element + kElementCapacity;
  char globalId[22];
  EncodeGlobalId(guid, globalId);
  char digits[20];
  const auto written = std::to_chars(digits, digits + sizeof(digits), number);
  Append(out, end, " for #");
  Append(out, end, std::string_view(digits, static_cast<std::size_t>(written.ptr - digits)));
  Append(out, end, " (");
  Append(out, end, entity.substr(0, kElementCapacity - 80));
  Append(out, end, ", GlobalId '");
  Append(out, end, std::string_view(globalId, sizeof(globalId)));
  Append(out, end, "')");
  elementLength = static_cast<std::size_t>(out - element);
}

void CrashGuard::NoElement() noexcept {
  elementLength = 0;
}

void CrashGuard::Enter(const char* query) noexcept {
  runningQuery.store(query, std::memory_order_release);
}

void CrashGuard::Leave() noexcept {
  runningQuery.store(nullptr, std::memory_order_release);
}

}  // namespace Exporter
