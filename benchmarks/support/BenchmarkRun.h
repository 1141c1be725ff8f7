// The command line and the reporting shared by the benchmark programs: Google Benchmark's own flags
// always win, `--quick` gives short defaults, and every measured run is handed to the program (for its
// summary) while the flags' display and file reporters print as usual.
//
//   int main(int argc, char** argv) {
//     const Benchmarks::Options options = Benchmarks::ParseCommandLine(argc, argv);
//     RegisterFigures(options.quick);
//     Benchmarks::Run([](const benchmark::BenchmarkReporter::Run& run) { Keep(run); });
//     PrintSummary(Benchmarks::SummaryStream());
//   }
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <functional>

namespace Benchmarks {

struct Options {
  bool quick = false;  // --quick: fewer sizes, shorter minimum times, one repetition
};

// Removes `--quick` from the arguments, adds the defaults of the chosen mode for the flags the user
// did not give (minimum time, `quickMinTime` seconds in quick mode, warm-up, repetitions), and
// initialises Google Benchmark. Unknown arguments end the program with the usage.
Options ParseCommandLine(int& argc, char** argv, double quickMinTime = 0.01);

// Runs the registered benchmarks with the reporters the flags ask for (--benchmark_format,
// --benchmark_color, --benchmark_out, --benchmark_out_format) and calls `keep` with every single
// measured repetition (not the aggregates). Returns the number of benchmarks run.
std::size_t Run(const std::function<void(const benchmark::BenchmarkReporter::Run&)>& keep);

// Where a program prints its summary table: stdout under the console format, stderr when stdout
// carries JSON or CSV.
std::FILE* SummaryStream();

}  // namespace Benchmarks
