// Feeds every file of the seed corpus to its reader, as the fuzzers would:
// replay_corpus CORPUS_FOLDER. The folder holds one sub-folder per reader.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz_targets.h"

namespace {

using Reader = void (*)(const std::uint8_t*, std::size_t);

struct Target {
  const char* folder;
  Reader reader;
};

constexpr Target kTargets[] = {{"keyed_file", velmora::fuzz::KeyedFileReader},
                               {"results_log", velmora::fuzz::ResultsLogReader},
                               {"scrambled_value", velmora::fuzz::ScrambledValueReader},
                               {"saved_game", velmora::fuzz::SavedGameReader}};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: replay_corpus CORPUS_FOLDER\n");
    return 2;
  }
  for (const Target& target : kTargets) {
    const std::filesystem::path folder = std::filesystem::path(argv[1]) / target.folder;
    int replayed = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      std::ifstream in(entry.path(), std::ios::binary);
      const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
      target.reader(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
      ++replayed;
    }
    if (replayed == 0) {
      std::fprintf(stderr, "no seeds in %s\n", folder.c_str());
      return 1;
    }
    std::printf("%s: %d seeds\n", target.folder, replayed);
  }
  return 0;
}
