// save_files PATH TEXT [PATH TEXT ...]: saves each TEXT to its PATH as one
// save, so that tests can run a save under a fault injector. A TEXT "*N"
// stands for N bytes of "x". Exits 1 with "PATH: REASON" when the save fails.
#include <cstdio>
#include <string>
#include <vector>

#include "platform/atomic_file.h"
#include "platform/errors.h"

int main(int argc, char** argv) {
  std::vector<platform::FileContent> files;
  for (int i = 1; i + 1 < argc; i += 2) {
    std::string text = argv[i + 1];
    if (text.starts_with('*')) text = std::string(std::stoul(text.substr(1)), 'x');
    files.push_back({argv[i], text});
  }
  try {
    platform::ReplaceFilesAtomically(files);
  } catch (const platform::FileError& error) {
    std::fprintf(stderr, "%s: %s\n", error.path().c_str(), error.reason().c_str());
    return 1;
  }
  return 0;
}
