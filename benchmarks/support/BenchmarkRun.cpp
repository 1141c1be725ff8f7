#include "BenchmarkRun.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace Benchmarks {

namespace {

bool consoleFormat = true;

bool Given(int argc, char** argv, const char* flag) {
  const std::size_t length = std::strlen(flag);
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], flag, length) == 0 && (argv[i][length] == '=' || argv[i][length] == '\0')) {
      return true;
    }
  }
  return false;
}

// Hands every run to the program, then to the reporter the flags chose.
class KeepingReporter : public benchmark::BenchmarkReporter {
 public:
  KeepingReporter(benchmark::BenchmarkReporter* display,
                  const std::function<void(const benchmark::BenchmarkReporter::Run&)>& keep)
      : display(display), keep(keep) {}

  bool ReportContext(const Context& context) override { return display->ReportContext(context); }
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
        keep(run);
      }
    }
    display->ReportRuns(runs);
  }
  void Finalize() override { display->Finalize(); }

 private:
  std::unique_ptr<benchmark::BenchmarkReporter> display;
  const std::function<void(const benchmark::BenchmarkReporter::Run&)>& keep;
};

}  // namespace

Options ParseCommandLine(int& argc, char** argv, double quickMinTime) {
  Options options;
  std::vector<char*> args;
  for (int i = 0; i < argc; ++i) {
    if (i > 0 && std::strcmp(argv[i], "--quick") == 0) {
      options.quick = true;
    } else {
      args.push_back(argv[i]);
    }
  }
  // Defaults go first, so that a flag the user gave (parsed later) overrides them anyway.
  static std::vector<std::string> defaults;
  if (!Given(argc, argv, "--benchmark_min_time")) {
    defaults.push_back("--benchmark_min_time=" + std::to_string(options.quick ? quickMinTime : 0.2));
  }
  if (!Given(argc, argv, "--benchmark_min_warmup_time")) {
    defaults.push_back(options.quick ? "--benchmark_min_warmup_time=0" : "--benchmark_min_warmup_time=0.05");
  }
  if (!Given(argc, argv, "--benchmark_repetitions")) {
    defaults.push_back(options.quick ? "--benchmark_repetitions=1" : "--benchmark_repetitions=3");
  }
  consoleFormat = !Given(argc, argv, "--benchmark_format") || Given(argc, argv, "--benchmark_format=console");
  std::vector<char*> all;
  all.push_back(args[0]);
  for (std::string& flag : defaults) {
    all.push_back(flag.data());
  }
  all.insert(all.end(), args.begin() + 1, args.end());
  int count = static_cast<int>(all.size());
  all.push_back(nullptr);
  benchmark::Initialize(&count, all.data());
  if (benchmark::ReportUnrecognizedArguments(count, all.data())) {
    std::fprintf(stderr, "  --quick: fewer sizes, shorter runs, one repetition\n");
    std::exit(2);
  }
  argc = 1;
  return options;
}

std::size_t Run(const std::function<void(const benchmark::BenchmarkReporter::Run&)>& keep) {
  KeepingReporter reporter(benchmark::CreateDefaultDisplayReporter(), keep);
  const std::size_t ran = benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return ran;
}

std::FILE* SummaryStream() {
  return consoleFormat ? stdout : stderr;
}

}  // namespace Benchmarks
