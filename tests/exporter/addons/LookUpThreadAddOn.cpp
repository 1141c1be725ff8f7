// A test add-on whose own threads ask the element look-up in a loop, from before the export until
// after it: while the export runs they get answers, after it a failure, never freed memory. Its
// unregister function stops them and says on standard error what they saw.
#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "API/ElementLookup.h"
#include "IFCAPI/AddOnEntry.h"
#include "IFCAPI/HookManager.h"
#include "IFCAPI/IHookDataProvider.h"

namespace {

using namespace IFCAPI::Impl;

constexpr std::size_t kThreads = 2;
constexpr auto kLongestWait = std::chrono::seconds(20);

API_Guid token;
std::atomic<bool> stop{false};
std::atomic<bool> asked{false};  // the first element's GUID is known
KT::Guid firstElement;

struct Asker {
  std::thread thread;
  std::atomic<long> answers{0};           // served while the export ran (the first GUIDs name no element)
  std::atomic<bool> refusedAfter{false};  // refused after having been answered
  std::string refusal;                    // what the refusal said; read after join
};
std::array<Asker, kThreads> askers;

void Ask(Asker& asker) {
  while (!stop) {
    const KT::Guid guid = asked ? firstElement : KT::Guid("{E0000000-0000-4000-8000-000000000011}");
    const auto answer = API::LookUpElement(token, guid);
    if (answer.HasValue() || answer.GetError().code != API::ErrorNoElementLookup) {
      ++asker.answers;
    } else if (asker.answers > 0 && !asker.refusedAfter) {
      asker.refusal = answer.GetError().message;
      asker.refusedAfter = true;
    }
  }
}

// Waits, at most kLongestWait, until every thread has been served.
void WaitUntilServed() {
  const auto deadline = std::chrono::steady_clock::now() + kLongestWait;
  for (Asker& asker : askers) {
    while (asker.answers == 0 && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::yield();
    }
  }
}

class Provider : public IHookDataProvider {
 public:
  void GetProperties(const ObjectID& id, std::vector<PropertyValue>&) override {
    if (!asked) {
      firstElement = id.GetGUID();
      asked = true;
      WaitUntilServed();
    }
  }
  void GetAttributes(const ObjectID&, std::vector<Attribute>&) override {}
  void GetClassificationReferences(const ObjectID&, std::vector<ClassificationReference>&) override {}
  void GetAlternativeProperties(const ObjectID&, std::vector<PropertyValue>&) override {}
  void GetAlternativeAttributes(const ObjectID&, std::vector<Attribute>&) override {}
  void GetAlternativeClassificationReferences(const ObjectID&, std::vector<ClassificationReference>&) override {}
  void GetAssignments(std::vector<HookAssignments>&) override {}
};

Provider provider;

}  // namespace

IFCAPI_ADDON_ENTRY int IFCAPIAddOnRegister(const API_Guid* addOnToken) {
  token = *addOnToken;
  HookManager::SetHookDataProvider(&provider);
  for (Asker& asker : askers) {
    asker.thread = std::thread(Ask, std::ref(asker));
  }
  return 0;
}

// The export has ended: the threads go on asking until each has been refused, then stop.
IFCAPI_ADDON_ENTRY void IFCAPIAddOnUnregister(void) {
  const auto deadline = std::chrono::steady_clock::now() + kLongestWait;
  for (Asker& asker : askers) {
    while (!asker.refusedAfter && asker.answers > 0 && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::yield();
    }
  }
  stop = true;
  for (Asker& asker : askers) {
    asker.thread.join();
    std::fprintf(stderr, "look-up thread: %s while the export ran, then: %s\n",
                 asker.answers > 0 ? "answered" : "never answered",
                 asker.refusedAfter ? asker.refusal.c_str() : "not refused");
  }
  HookManager::SetHookDataProvider(nullptr);
}
