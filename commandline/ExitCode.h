// The exit codes of ifcapi-export and ifcapi-ids: one table, each number meaning the same in both.
// A script tests 0 for "done, and every requirement met"; 1 means a verdict was reached and a
// requirement fails; 2 and up mean the run stopped before its end, and nothing was written.
//
//   if (!model) return Fail(CommandLine::ExitCode::ModelUnreadable, model.Error());
//   std::fputs(CommandLine::ExitCodeTable(), stdout);   // in --help
#pragma once

namespace CommandLine {

enum class ExitCode : int {
  Done = 0,                    // done; every requirement checked is met
  RequirementsNotMet = 1,      // done, and at least one IDS specification fails
  BadUsage = 2,                // unknown option, missing argument, paths that clash
  ModelUnreadable = 3,         // the IFC model is missing, unreadable, malformed, or flawed under --strict
  RequirementsUnreadable = 4,  // an IDS document is missing, unreadable or not valid
  AddOnFailed = 5,             // ifcapi-export: the add-on did not load, start, or answer (threw or crashed),
                               // or (--strict) its answers contradict the standard set templates
  OutputNotWritten = 6,        // an output file (IFC or report) could not be written
};

constexpr int ToInt(ExitCode code) noexcept {
  return static_cast<int>(code);
}

// The table as both commands print it in --help, one code a line.
inline const char* ExitCodeTable() noexcept {
  return "exit codes (the same for ifcapi-export and ifcapi-ids):\n"
         "  0  done; every requirement checked is met\n"
         "  1  done, and at least one IDS specification fails\n"
         "  2  bad usage: unknown option, missing argument, paths that clash\n"
         "  3  the IFC model cannot be read (missing, unreadable, malformed, or flawed under --strict)\n"
         "  4  an IDS document cannot be read or is not valid\n"
         "  5  the add-on failed: it did not load, start, or answer (threw or crashed), or under\n"
         "     --strict its answers contradict the standard property set templates\n"
         "  6  an output file (IFC or report) could not be written\n";
}

}  // namespace CommandLine
