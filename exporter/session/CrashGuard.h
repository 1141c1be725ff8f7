// Ends the run when the add-on crashes in a hook query (SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT; on
// Windows an unhandled exception or abort()) with a message that names the query and the element, as
// a thrown exception's does, and exit code 5 (CommandLine::ExitCode::AddOnFailed), not the shell's bare
// "Segmentation fault". The message is prepared before each query; the handler, on a stack of its own
// (a stack overflow is caught too), only writes it (write(2)) and calls _exit. A crash while no query
// runs is the tool's own and gets the system's default action.
//
//   CrashGuard guard;                                   // handlers installed for its lifetime
//   guard.Element(20, "IfcWall", guid);                 // " for #20 (IfcWall, GlobalId '...')"
//   guard.Enter("GetHookProperties");  query();  guard.Leave();
//
// One guard at a time; Element, Enter and Leave are called on the thread that runs the queries.
#pragma once

#include <cstdint>
#include <string_view>

#include "exporter/model/IfcGuid.h"

namespace Exporter {

class CrashGuard {
 public:
  CrashGuard();
  CrashGuard(const CrashGuard&) = delete;
  CrashGuard& operator=(const CrashGuard&) = delete;
  ~CrashGuard();

  // The element the next queries ask about; NoElement() for a query about none.
  void Element(std::uint64_t number, std::string_view entity, const GuidBytes& guid) noexcept;
  void NoElement() noexcept;

  // `query` (a literal) runs from Enter to Leave.
  void Enter(const char* query) noexcept;
  void Leave() noexcept;
};

}  // namespace Exporter
