// How long the window takes to appear next to a bare Qt window: the time
// from exec to the first window mapped, for ziradadozo-rezudor-design and
// for bare_window (a QWidget of the same size shown by a QApplication), with
// and without one label.
// Both need an X display: run under xvfb-run. Each program runs from a copy
// in a fresh folder, so no settings file is read, and is killed once its
// window is mapped, so none is written.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

// A copy of `program` in a fresh folder of its own, removed afterwards.
class ProgramCopy {
 public:
  explicit ProgramCopy(const fs::path& program) {
    std::string pattern = (fs::temp_directory_path() / "zrd-startup-XXXXXX").string();
    folder_ = ::mkdtemp(pattern.data());
    path_ = (folder_ / program.filename()).string();
    fs::copy_file(program, path_);
  }
  ProgramCopy(const ProgramCopy&) = delete;
  ProgramCopy& operator=(const ProgramCopy&) = delete;
  ~ProgramCopy() {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }
  const std::string& Path() const { return path_; }

 private:
  fs::path folder_;
  std::string path_;
};

using Connection = std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)>;

// A connection that hears of every window mapped on the root window.
Connection WatchMappedWindows() {
  Connection connection(xcb_connect(nullptr, nullptr), &xcb_disconnect);
  if (xcb_connection_has_error(connection.get()) != 0) return connection;
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection.get())).data;
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(connection.get(), screen->root, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(connection.get());
  return connection;
}

// Forgets what the last program's windows did.
void DropPendingEvents(xcb_connection_t* connection) {
  // A round trip: every event the server sent before it has arrived.
  std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
  while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) std::free(event);
}

// Waits for the next window mapped on the root; false when the display went
// away.
bool WaitForMappedWindow(xcb_connection_t* connection) {
  while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
    const bool mapped = (event->response_type & ~0x80) == XCB_MAP_NOTIFY;
    std::free(event);
    if (mapped) return true;
  }
  return false;
}

// Starts a program and waits for its first window to be mapped.
class Starter {
 public:
  Starter(xcb_connection_t* connection, const char* program, const char* argument = nullptr)
      : connection_(connection), copy_(program), argument_(argument) {
    posix_spawn_file_actions_init(&actions_);
    posix_spawn_file_actions_addopen(&actions_, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions_, 2, "/dev/null", O_WRONLY, 0);
  }
  Starter(const Starter&) = delete;
  Starter& operator=(const Starter&) = delete;
  ~Starter() { posix_spawn_file_actions_destroy(&actions_); }

  // The seconds from exec to the window mapped; nothing when the program
  // did not start or the display went away.
  std::optional<double> TimeOneStart() {
    char* argv[] = {const_cast<char*>(copy_.Path().c_str()), const_cast<char*>(argument_), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions_, nullptr, argv, environ) != 0) return std::nullopt;
    const bool mapped = WaitForMappedWindow(connection_);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    DropPendingEvents(connection_);
    if (!mapped) return std::nullopt;
    times_.push_back(seconds);
    return seconds;
  }

  double MedianMilliseconds() const { return Median(times_) * 1000; }

 private:
  static double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
  }

  xcb_connection_t* connection_;
  ProgramCopy copy_;
  const char* argument_;
  posix_spawn_file_actions_t actions_;
  std::vector<double> times_;
};

// The window, the bare window and the bare window with one label start by
// turns, so that a change in the machine's load falls on all alike. The
// iteration time is the window's; the counters give the medians and the
// window's ratio to each yardstick.
void WindowAgainstBareWindow(benchmark::State& state) {
  const Connection connection = WatchMappedWindows();
  if (xcb_connection_has_error(connection.get()) != 0) {
    state.SkipWithError("needs an X display: run under xvfb-run");
    return;
  }
  Starter window(connection.get(), ZRD_WINDOW_PATH);
  Starter bare(connection.get(), ZRD_BARE_WINDOW_PATH);
  Starter bareWithLabel(connection.get(), ZRD_BARE_WINDOW_PATH, "File not written.");
  for (auto _ : state) {
    const std::optional<double> windowSeconds = window.TimeOneStart();
    if (!windowSeconds || !bare.TimeOneStart() || !bareWithLabel.TimeOneStart()) {
      state.SkipWithError("a program did not show its window");
      break;
    }
    state.SetIterationTime(*windowSeconds);
  }
  state.counters["window_median_ms"] = window.MedianMilliseconds();
  state.counters["bare_median_ms"] = bare.MedianMilliseconds();
  state.counters["label_median_ms"] = bareWithLabel.MedianMilliseconds();
  state.counters["ratio_to_bare"] = window.MedianMilliseconds() / bare.MedianMilliseconds();
  state.counters["ratio_to_label"] =
      window.MedianMilliseconds() / bareWithLabel.MedianMilliseconds();
}

}  // namespace

BENCHMARK(WindowAgainstBareWindow)->UseManualTime()->Iterations(41)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
