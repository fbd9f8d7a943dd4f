// Saves that fail half-way: on a full file system, and with the system
// refusing one call after another. Whatever fails, every file is left as it
// was and nothing of the save stays behind.
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/atomic_file.h"
#include "platform/errors.h"
#include "temp_folder.h"

namespace {

using platform::FileError;
using platform::ReplaceFilesAtomically;

// A 16 KiB file system of its own, mounted for the test when the test may.
class FullDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    disk = folder.File("disk");
    std::filesystem::create_directory(disk);
    if (::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=16k") != 0) {
      GTEST_SKIP() << "cannot mount a small file system here: " << std::strerror(errno);
    }
    mounted = true;
  }
  void TearDown() override {
    if (mounted) ::umount2(disk.c_str(), MNT_DETACH);
  }

  std::string File(const std::string& name) const { return disk + "/" + name; }
  std::size_t Entries() const {
    auto entries = std::filesystem::directory_iterator(disk);
    return static_cast<std::size_t>(std::distance(begin(entries), end(entries)));
  }

  TempFolder folder;
  std::string disk;
  bool mounted = false;
};

TEST_F(FullDisk, ASaveThatDoesNotFitChangesNothingAndLeavesNothing) {
  struct Case {
    std::string what;
    std::vector<platform::FileContent> files;
  };
  const std::string big(64 * 1024, 'x');
  const Case cases[] = {
      {"replacing one file", {{File("a.dxf"), big}}},
      {"a new file", {{File("new.dxf"), big}}},
      {"a pair whose second does not fit", {{File("a.dxf"), "new a"}, {File("b.svg"), big}}},
      {"a pair whose first does not fit", {{File("a.dxf"), big}, {File("b.svg"), "new b"}}},
      {"a new file and a replaced one", {{File("new.dxf"), "n"}, {File("b.svg"), big}}},
  };
  WriteFile(File("a.dxf"), "old a");
  WriteFile(File("b.svg"), "old b");
  for (const Case& c : cases) {
    try {
      ReplaceFilesAtomically(c.files);
      ADD_FAILURE() << c.what << ": saved";
    } catch (const FileError& error) {
      EXPECT_EQ(error.reason(), std::strerror(ENOSPC)) << c.what;
    }
    EXPECT_EQ(ReadFile(File("a.dxf")), "old a") << c.what;
    EXPECT_EQ(ReadFile(File("b.svg")), "old b") << c.what;
    EXPECT_EQ(Entries(), 2u) << c.what;
  }
}

// Runs tests/save_files_main.cpp under strace, which makes the `when`-th
// call of `syscalls` fail with `error`.
class InjectedFaults : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!ZRD_SAVE_FILES_STATIC) {
      GTEST_SKIP() << "the save helper is linked dynamically here, and faults would hit the loader";
    }
    if (std::system("strace -qq -o /dev/null true >/dev/null 2>&1") != 0) {
      GTEST_SKIP() << "strace is not installed or may not trace here";
    }
  }

  int SaveUnderFault(const std::string& syscalls, const std::string& error, int when,
                     const std::string& arguments) const {
    const std::string command = "strace -qq -o /dev/null -e trace=" + syscalls +
                                " -e inject=" + syscalls + ":error=" + error +
                                ":when=" + std::to_string(when) + " " ZRD_SAVE_FILES_PATH " " +
                                arguments + " 2>/dev/null";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  TempFolder folder;
};

TEST_F(InjectedFaults, EveryFailingCallLeavesThePairAsItWasOrSavesItWhole) {
  struct Fault {
    std::string syscalls;
    std::string error;
    // Whether some save must fail, which shows that the fault was injected.
    bool fails;
    // How many of the calls to make fail in turn.
    int calls = 6;
  };
  // The 7th and 8th openat make the unnamed temporaries: refused
  // (EOPNOTSUPP), they fall back to named ones. A
  // folder that cannot be locked is saved into unlocked; an owner that cannot
  // be kept is no reason to fail.
  const Fault faults[] = {
      {"write", "ENOSPC", true},
      {"write", "EIO", true},
      {"close", "EIO", true},
      {"fchmod", "EPERM", true},
      {"fsync", "EIO", true},
      {"rename,renameat,renameat2", "EIO", true},
      {"link,linkat", "EIO", true},
      {"openat", "EOPNOTSUPP", true, 8},
      {"openat", "EACCES", true, 8},
      {"fchown", "EPERM", false},
      {"flock", "ENOLCK", false},
  };
  const std::string a = folder.File("a.dxf");
  const std::string b = folder.File("b.svg");
  const std::string arguments = a + " '*5000' " + b + " 'new b'";
  for (const Fault& fault : faults) {
    int failures = 0;
    for (int when = 1; when <= fault.calls; ++when) {
      WriteFile(a, "old a");
      WriteFile(b, "old b");
      const std::string what = fault.syscalls + " #" + std::to_string(when) + " " + fault.error;
      const int status = SaveUnderFault(fault.syscalls, fault.error, when, arguments);
      if (status == 0) {
        EXPECT_EQ(ReadFile(a), std::string(5000, 'x')) << what;
        EXPECT_EQ(ReadFile(b), "new b") << what;
      } else {
        ++failures;
        EXPECT_EQ(status, 1) << what;
        EXPECT_EQ(ReadFile(a), "old a") << what;
        EXPECT_EQ(ReadFile(b), "old b") << what;
      }
      EXPECT_EQ(folder.EntryCount(), 2u) << what;
    }
    EXPECT_EQ(failures > 0, fault.fails) << fault.syscalls << " " << fault.error;
  }
}

TEST_F(InjectedFaults, AFailedSaveOfNewFilesMakesNoneOfThem) {
  const std::string a = folder.File("a.dxf");
  const std::string b = folder.File("b.svg");
  for (const std::string syscalls : {"write", "close", "link,linkat", "rename,renameat,renameat2"}) {
    for (int when = 1; when <= 4; ++when) {
      const std::string what = syscalls + " #" + std::to_string(when);
      const int status = SaveUnderFault(syscalls, "EIO", when, a + " new " + b + " new");
      EXPECT_EQ(folder.EntryCount(), status == 0 ? 2u : 0u) << what;
      std::filesystem::remove(a);
      std::filesystem::remove(b);
    }
  }
}

// A shared folder (sticky, like /tmp) where the picture belongs to another
// user: the user may write it, but not rename over it. The drawing, renamed
// first, must be put back.
TEST(StickyFolder, ARefusedSecondRenamePutsTheFirstFileBack) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to make another user's file";
  TempFolder folder;
  ::chmod(folder.Path().c_str(), 0755);
  const std::string shared = folder.File("shared");
  std::filesystem::create_directory(shared);
  ::chmod(shared.c_str(), 01777);
  const std::string drawing = shared + "/a.dxf";
  const std::string picture = shared + "/b.svg";
  WriteFile(drawing, "old a");
  WriteFile(picture, "old b");
  ASSERT_EQ(::chown(drawing.c_str(), 65534, 65534), 0);
  ::chmod(picture.c_str(), 0666);

  const pid_t child = ::fork();
  if (child == 0) {
    if (::setresgid(65534, 65534, 65534) != 0 || ::setresuid(65534, 65534, 65534) != 0) _exit(2);
    try {
      ReplaceFilesAtomically({{drawing, "new a"}, {picture, "new b"}});
    } catch (const FileError& error) {
      _exit(error.reason() == std::strerror(EPERM) ? 1 : 3);
    }
    _exit(0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 1);
  EXPECT_EQ(ReadFile(drawing), "old a");
  EXPECT_EQ(ReadFile(picture), "old b");
  for (const auto& entry : std::filesystem::directory_iterator(shared)) {
    const std::string name = entry.path().filename();
    EXPECT_TRUE(name == "a.dxf" || name == "b.svg") << name << " was left behind";
  }
}

}  // namespace
