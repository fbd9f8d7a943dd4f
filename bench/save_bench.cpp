// What the safety of a save costs, for a drawing-sized file (11 KiB):
//   SaveNewFile        a save that makes a new file: no flush is needed
//   SaveReplacingFile  a save that replaces a file: the new content and then
//                      the folder are flushed to the disk
//   PlainWrite         open, truncate, write and close over the old file,
//                      which a power cut can leave empty
// The figures depend on the disk far more than on the program: take them on
// the file system the files will live on (TMPDIR picks the folder).
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench_folder.h"
#include "platform/atomic_file.h"

namespace {

const std::string kBytes(11 * 1024, 'x');

void SaveNewFile(benchmark::State& state) {
  const std::string path = BenchFolder() + "/new.dxf";
  for (auto _ : state) {
    state.PauseTiming();
    ::unlink(path.c_str());
    state.ResumeTiming();
    platform::ReplaceFileAtomically(path, kBytes);
  }
}

void SaveReplacingFile(benchmark::State& state) {
  const std::string path = BenchFolder() + "/old.dxf";
  platform::ReplaceFileAtomically(path, kBytes);
  for (auto _ : state) platform::ReplaceFileAtomically(path, kBytes);
}

void PlainWrite(benchmark::State& state) {
  const std::string path = BenchFolder() + "/plain.dxf";
  for (auto _ : state) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0 || ::write(fd, kBytes.data(), kBytes.size()) != static_cast<ssize_t>(kBytes.size())) {
      state.SkipWithError("write failed");
    }
    ::close(fd);
  }
}

}  // namespace

BENCHMARK(SaveNewFile)->UseRealTime();
BENCHMARK(SaveReplacingFile)->UseRealTime();
BENCHMARK(PlainWrite)->UseRealTime();

int main(int argc, char** argv) { return RunBenchmarksAndClean(argc, argv); }
