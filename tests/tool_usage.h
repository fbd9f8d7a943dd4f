#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run_tool.h"
#include "temp_folder.h"

// "@" in an argument stands for the test's folder.
inline std::vector<std::string> InFolder(std::vector<std::string> args, const TempFolder& folder) {
  for (std::string& arg : args) {
    const std::size_t at = arg.find('@');
    if (at != std::string::npos) arg.replace(at, 1, folder.Path());
  }
  return args;
}

// A command line the tool must refuse, and the start of its one-line message.
struct UsageCase {
  std::vector<std::string> args;
  const char* message;
};

// Each case, run in a folder of its own, exits 2 with its message and
// writes nothing.
inline void ExpectUsageErrorsInFolder(const std::vector<UsageCase>& cases) {
  for (const UsageCase& c : cases) {
    TempFolder folder;
    const ToolRun run = RunTool(InFolder(c.args, folder));
    EXPECT_EQ(run.exitCode, 2) << c.message;
    EXPECT_EQ(run.err.rfind(std::string("ziradadozo-rezudor-dxf: ") + c.message + "\n", 0), 0u)
        << run.err;
    EXPECT_EQ(folder.EntryCount(), 0u) << c.message;
  }
}
