// Start-up of the window program: time from process start to the first
// painted main window, empty and with a dealt game, and peak resident memory. Run it under an X server,
// for example: xvfb-run -a build/test/bin/bench_startup
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>
#include "bench_support.h"

extern char** environ;

namespace {

struct Run {
  double milliseconds;
  double residentMegabytes;
};

bool StartOnce(const std::string& program, const std::string& dataFolder, const std::vector<std::string>& extra,
               Run& run) {
  int pipeFds[2];
  if (pipe(pipeFds) != 0) return false;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
  std::vector<std::string> args{program, "--data-dir", dataFolder, "--quit-after-first-paint"};
  args.insert(args.end(), extra.begin(), extra.end());
  std::vector<char*> argv;
  for (auto& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);

  const auto started = std::chrono::steady_clock::now();
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipeFds[1]);
  if (spawned != 0) return false;

  // The program prints "painted" from its first paint.
  char buffer[64];
  const ssize_t got = read(pipeFds[0], buffer, sizeof buffer);
  const auto painted = std::chrono::steady_clock::now();
  close(pipeFds[0]);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  if (got <= 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return false;
  run.milliseconds = std::chrono::duration<double, std::milli>(painted - started).count();
  run.residentMegabytes = static_cast<double>(usage.ru_maxrss) / 1024.0;
  return true;
}

using velmora::bench::Median;

struct Medians {
  double milliseconds;
  double residentMegabytes;
};

// Medians over several starts; the first start creates the data folder and
// warms the caches and is left out.
std::optional<Medians> MeasureStarts(const std::string& program, const std::vector<std::string>& extra) {
  constexpr int kRuns = 11;
  const auto data = std::filesystem::temp_directory_path() / ("velmora-bench-" + std::to_string(getpid()));
  std::vector<double> times;
  std::vector<double> memory;
  for (int i = 0; i <= kRuns; ++i) {
    Run run{};
    if (!StartOnce(program, data.string(), extra, run)) return std::nullopt;
    if (i == 0) continue;
    times.push_back(run.milliseconds);
    memory.push_back(run.residentMegabytes);
  }
  std::filesystem::remove_all(data);
  return Medians{Median(times), Median(memory)};
}

}  // namespace

int main(int argc, char** argv) {
  if (!std::getenv("DISPLAY")) {
    std::fprintf(stderr, "bench_startup needs an X server: run it under xvfb-run -a\n");
    return 2;
  }
  const std::string program = argc > 1 ? argv[1] : VELMORA_PROGRAM_DIR "/velmora";
  const auto empty = MeasureStarts(program, {});
  const auto dealt = MeasureStarts(program, {"--game", "FreeCell", "--deal", "1"});
  if (!empty || !dealt) {
    std::fprintf(stderr, "bench_startup: %s did not start and paint\n", program.c_str());
    return 1;
  }
  std::printf("startup_to_first_paint %.1f ms\n", empty->milliseconds);
  std::printf("startup_peak_rss %.1f MB\n", empty->residentMegabytes);
  std::printf("startup_dealt_freecell_to_first_paint %.1f ms\n", dealt->milliseconds);
  std::printf("startup_dealt_freecell_peak_rss %.1f MB\n", dealt->residentMegabytes);
  return 0;
}
