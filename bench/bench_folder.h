#pragma once

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

// A scratch folder of one benchmark program, made on first use.
inline const std::string& BenchFolder() {
  static const std::string folder = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "zrd-bench-XXXXXX").string();
    return std::string(::mkdtemp(pattern.data()));
  }();
  return folder;
}

// Runs the benchmarks the command line asks for, then removes the folder.
inline int RunBenchmarksAndClean(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::filesystem::remove_all(BenchFolder());
  return 0;
}
