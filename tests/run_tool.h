#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "temp_folder.h"

// What one run of the command-line tool did.
struct ToolRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

inline std::string ShellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) {
    if (c == '\'') quoted.append("'\\''");
    else quoted.push_back(c);
  }
  quoted.push_back('\'');
  return quoted;
}

// Runs the built ziradadozo-rezudor-dxf with `args`, under `locale` when one
// is given, capturing both output streams; standard output goes to
// `stdoutPath` instead when one is given.
inline ToolRun RunTool(const std::vector<std::string>& args, const std::string& locale = "C",
                       const std::string& stdoutPath = "") {
  TempFolder streams;
  std::string command = std::string("LC_ALL=") + ShellQuoted(locale) + " " + ShellQuoted(ZRD_CLI_PATH);
  for (const std::string& arg : args) command.append(" ").append(ShellQuoted(arg));
  const std::string out = stdoutPath.empty() ? streams.File("out") : ShellQuoted(stdoutPath);
  command.append(" >").append(out).append(" 2>").append(streams.File("err"));
  command.append(" </dev/null");
  const int status = std::system(command.c_str());
  ToolRun run;
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.out = ReadFile(streams.File("out"));
  run.err = ReadFile(streams.File("err"));
  return run;
}
