#include "ifc/files/RemovalOnSignal.h"

#include <atomic>
#include <csignal>
#include <cstring>

#if defined(_WIN32)
#include <windows.h>
#else
#include <unistd.h>

#include <cerrno>
#endif

namespace Ifc {

namespace {

// The longest path a slot holds, its terminating zero included.
constexpr std::size_t kSlotPathSize = 4096;

// A slot is free, being filled (not yet seen by the handler), or holds a path to remove.
constexpr int kFree = 0;
constexpr int kFilling = 1;
constexpr int kHeld = 2;

char slotPaths[kRemovalSlots][kSlotPathSize];
std::atomic<int> slotStates[kRemovalSlots];

static_assert(std::atomic<int>::is_always_lock_free, "the signal handler reads the slot states");

void RemoveRegistered() noexcept {
  for (int slot = 0; slot < kRemovalSlots; ++slot) {
    if (slotStates[slot].load() == kHeld) {
#if defined(_WIN32)
      DeleteFileA(slotPaths[slot]);
#else
      unlink(slotPaths[slot]);
#endif
    }
  }
}

#if defined(_WIN32)

extern "C" void RemoveRegisteredAndEnd(int signal) {
  // The C runtime has put the default action back before calling the handler.
  RemoveRegistered();
  std::raise(signal);
}

void InstallHandlers() {
  for (const int signal : {SIGINT, SIGTERM}) {
    const auto previous = std::signal(signal, RemoveRegisteredAndEnd);
    if (previous != SIG_DFL && previous != SIG_ERR) {
      std::signal(signal, previous);
    }
  }
}

#else

extern "C" void RemoveRegisteredAndEnd(int signal) {
  const int savedErrno = errno;
  RemoveRegistered();
  errno = savedErrno;
  // SA_RESETHAND has put the default action back; the signal, blocked while this handler runs, ends
  // the process as soon as it returns.
  raise(signal);
}

bool LeftAtDefault(int signal) {
  struct sigaction current {};
  return sigaction(signal, nullptr, &current) == 0 && (current.sa_flags & SA_SIGINFO) == 0 &&
         current.sa_handler == SIG_DFL;
}

void InstallHandlers() {
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
    // A signal the process ignores (nohup, a background job) or handles itself stays as it is.
    if (!LeftAtDefault(signal)) {
      continue;
    }
    struct sigaction action {};
    action.sa_handler = RemoveRegisteredAndEnd;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND;
    sigaction(signal, &action, nullptr);
  }
  if (LeftAtDefault(SIGXFSZ)) {
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    sigaction(SIGXFSZ, &ignore, nullptr);
  }
}

#endif

}  // namespace

int RegisterForRemoval(const std::string& path) noexcept {
  if (path.size() >= kSlotPathSize) {
    return -1;
  }
  // Each time: the program may have put a signal back to its default action since.
  InstallHandlers();
  for (int slot = 0; slot < kRemovalSlots; ++slot) {
    int expected = kFree;
    if (slotStates[slot].compare_exchange_strong(expected, kFilling)) {
      std::memcpy(slotPaths[slot], path.c_str(), path.size() + 1);
      slotStates[slot].store(kHeld);
      return slot;
    }
  }
  return -1;
}

void UnregisterForRemoval(int slot) noexcept {
  if (slot >= 0 && slot < kRemovalSlots) {
    slotStates[slot].store(kFree);
  }
}

}  // namespace Ifc
