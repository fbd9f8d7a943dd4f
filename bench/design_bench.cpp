// How long a design takes next to the plain work of writing its bytes.
//   DesignRun        the whole run for the default site: compute, format, save
//   DesignNoSave     the same run with its bytes going to /dev/null
//   PlainWrite       one open-write-close of the same bytes in the same folder
//   PdfTemplate      the run's PDF template on A4, drawn and written out
//   ToolProcess      ziradadozo-rezudor-dxf -o - from start to exit; with the C
//                    library shared, as a Debian package needs, it is to
//                    stay within 1.5x CatProcess
//   ToolProcessPdf   the same, writing the DXF and the PDF template together
//   CatProcess       cat copying the same drawing, from start to exit
// The two process benchmarks also count the child's own CPU time.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench_folder.h"
#include "design/design_run.h"
#include "dxf/dxf_writer.h"
#include "pdf/pdf_document.h"

extern char** environ;

namespace {

class QuietStatus : public design::StatusLine {
 public:
  void ShowStatus(const std::string&, bool) override {}
};

const design::DesignInputs kDefaultSite{
    {"0", "0", "0"}, {"51", "32", "0.0"}, design::DialZone::Gmt(0)};

// One design run of the default site into a DXF document saved at `path`.
bool RunInto(dxf::DxfWriter& drawing, const std::string& path) {
  QuietStatus status;
  return design::RunDesign(kDefaultSite, ".", status, {{&drawing, path}}).outcome ==
         design::DesignOutcome::Finished;
}

std::string DefaultSiteBytes() {
  dxf::DxfWriter drawing;
  RunInto(drawing, "/dev/null");
  return drawing.Bytes();
}

void DesignRun(benchmark::State& state) {
  const std::string path = BenchFolder() + "/dial.dxf";
  for (auto _ : state) {
    dxf::DxfWriter drawing;
    if (!RunInto(drawing, path)) state.SkipWithError("design run failed");
  }
}

// The same run with the bytes going to /dev/null: no file to replace.
void DesignNoSave(benchmark::State& state) {
  for (auto _ : state) {
    dxf::DxfWriter drawing;
    if (!RunInto(drawing, "/dev/null")) state.SkipWithError("design run failed");
  }
}

void PlainWrite(benchmark::State& state) {
  const std::string bytes = DefaultSiteBytes();
  const std::string path = BenchFolder() + "/plain.dxf";
  for (auto _ : state) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) {
      state.SkipWithError("write failed");
    }
    ::close(fd);
  }
}

void PdfTemplate(benchmark::State& state) {
  const std::string path = BenchFolder() + "/dial.pdf";
  for (auto _ : state) {
    QuietStatus status;
    pdf::PdfDocument document({100, drawing::LengthUnit::Millimetre}, pdf::Paper::A4);
    if (design::RunDesign(kDefaultSite, ".", status, {{&document, path}}).outcome !=
        design::DesignOutcome::Finished) {
      state.SkipWithError("design run failed");
    }
  }
}

double Seconds(const timeval& time) { return static_cast<double>(time.tv_sec) + time.tv_usec * 1e-6; }

void RunProcess(benchmark::State& state, std::vector<std::string> args, const char* stdoutPath) {
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, stdoutPath, O_WRONLY | O_CREAT | O_TRUNC, 0666);
  double childSeconds = 0;
  for (auto _ : state) {
    pid_t pid = 0;
    int status = 0;
    rusage usage{};
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0 ||
        ::wait4(pid, &status, 0, &usage) != pid || status != 0) {
      state.SkipWithError("process failed");
    }
    childSeconds += Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
  }
  posix_spawn_file_actions_destroy(&actions);
  // The process's own CPU time: on a busy machine the wall clock mostly
  // measures the wait for a core.
  state.counters["child_cpu_s"] = benchmark::Counter(childSeconds, benchmark::Counter::kAvgIterations);
}

// The drawing goes to standard output, opened on a file as cat's copy is,
// so that both write the same bytes the same way; what replacing a file
// safely costs on top is save_bench's to show.
void ToolProcess(benchmark::State& state) {
  const std::string copy = BenchFolder() + "/tool.dxf";
  RunProcess(state, {ZRD_CLI_PATH, "-o", "-"}, copy.c_str());
}

void ToolProcessPdf(benchmark::State& state) {
  RunProcess(
      state,
      {ZRD_CLI_PATH, "-o", BenchFolder() + "/tool.dxf", "--pdf=" + BenchFolder() + "/tool.pdf"},
      "/dev/null");
}

void CatProcess(benchmark::State& state) {
  const std::string source = BenchFolder() + "/source.dxf";
  dxf::DxfWriter drawing;
  RunInto(drawing, source);
  const std::string copy = BenchFolder() + "/copy.dxf";
  RunProcess(state, {"/bin/cat", source}, copy.c_str());
}

}  // namespace

BENCHMARK(DesignRun);
BENCHMARK(DesignNoSave);
BENCHMARK(PlainWrite);
BENCHMARK(PdfTemplate);
BENCHMARK(ToolProcess)->UseRealTime();
BENCHMARK(ToolProcessPdf)->UseRealTime();
BENCHMARK(CatProcess)->UseRealTime();

int main(int argc, char** argv) { return RunBenchmarksAndClean(argc, argv); }
