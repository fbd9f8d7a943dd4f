// Where a save goes for every way a user can name a file: through links, to
// descriptors already open, and when two names lead to one file.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "platform/atomic_file.h"
#include "platform/errors.h"
#include "platform/same_file.h"
#include "temp_folder.h"

namespace {

using platform::FileError;
using platform::NameTheSameFile;
using platform::ReplaceFileAtomically;

// Runs a test body from inside the test's folder, for relative names.
class InFolder {
 public:
  explicit InFolder(const std::string& folder) : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(folder);
  }
  InFolder(const InFolder&) = delete;
  InFolder& operator=(const InFolder&) = delete;
  ~InFolder() { std::filesystem::current_path(previous_); }

 private:
  std::filesystem::path previous_;
};

class FileNames : public ::testing::Test {
 protected:
  TempFolder folder;
};

TEST_F(FileNames, ASaveGoesThroughEveryLinkToTheFinalTargetAndKeepsTheLinks) {
  struct Case {
    std::string what;
    // Link name and what it holds, made in this order.
    std::vector<std::pair<std::string, std::string>> links;
    std::string saveAs;
    std::string target;
  };
  const std::string real = "real.dxf";
  const Case cases[] = {
      {"absolute link", {{"link", "@/real.dxf"}}, "link", real},
      {"relative link", {{"link", "real.dxf"}}, "link", real},
      {"link in a folder, relative to that folder", {{"sub/link", "../real.dxf"}}, "sub/link", real},
      {"chain of links", {{"one", "real.dxf"}, {"two", "one"}, {"three", "@/two"}}, "three", real},
      {"link to a folder on the way", {{"dir", "sub"}}, "dir/inner.dxf", "sub/inner.dxf"},
      {"dangling link", {{"link", "new.dxf"}}, "link", "new.dxf"},
      {"dangling link into a folder", {{"link", "sub/new.dxf"}}, "link", "sub/new.dxf"},
      {"chain ending dangling", {{"one", "sub/new.dxf"}, {"two", "one"}}, "two", "sub/new.dxf"},
  };
  for (const Case& c : cases) {
    TempFolder scratch;
    std::filesystem::create_directory(scratch.File("sub"));
    WriteFile(scratch.File(real), "old");
    for (const auto& [link, target] : c.links) {
      std::string to = target;
      if (to.starts_with('@')) to = scratch.Path() + to.substr(1);
      std::filesystem::create_symlink(to, scratch.File(link));
    }
    ReplaceFileAtomically(scratch.File(c.saveAs), "new");
    EXPECT_EQ(ReadFile(scratch.File(c.target)), "new") << c.what;
    for (const auto& [link, target] : c.links) {
      EXPECT_TRUE(std::filesystem::is_symlink(scratch.File(link))) << c.what << ": " << link;
    }
    if (c.target != real) {
      EXPECT_EQ(ReadFile(scratch.File(real)), "old") << c.what;
    }
  }
}

TEST_F(FileNames, ALinkThatLeadsNowhereUsableIsRefusedAndKept) {
  struct Case {
    std::string link;
    std::string target;
    int reason;
  };
  const Case cases[] = {
      {"to-missing-folder", "missing/new.dxf", ENOENT},
      {"loop", "loop", ELOOP},
      {"to-folder", ".", EISDIR},
  };
  for (const Case& c : cases) {
    const std::string link = folder.File(c.link);
    std::filesystem::create_symlink(c.target, link);
    try {
      ReplaceFileAtomically(link, "new");
      ADD_FAILURE() << c.link << " was written";
    } catch (const FileError& error) {
      EXPECT_EQ(error.path(), link);
      EXPECT_EQ(error.reason(), std::strerror(c.reason)) << c.link;
    }
    EXPECT_TRUE(std::filesystem::is_symlink(link)) << c.link;
  }
  EXPECT_EQ(folder.EntryCount(), std::size(cases));
}

// "-o /dev/stdout >> log" must add to the log, never replace it.
TEST_F(FileNames, ANameOfAnOpenDescriptorIsWrittenThroughItInItsOwnMode) {
  const std::string log = folder.File("log.txt");
  const std::string link = folder.File("to-fd");
  WriteFile(log, "earlier line\n");
  const int fd = ::open(log.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
  ASSERT_GE(fd, 0);
  const std::string number = std::to_string(fd);
  std::filesystem::create_symlink("/dev/fd/" + number, link);
  struct stat before {};
  ::stat(log.c_str(), &before);
  std::string expected = "earlier line\n";
  for (const std::string& name : {"/dev/fd/" + number, "/proc/self/fd/" + number, link}) {
    ReplaceFileAtomically(name, "drawing\n");
    expected += "drawing\n";
    EXPECT_EQ(ReadFile(log), expected) << name;
  }
  ::close(fd);
  struct stat after {};
  ::stat(log.c_str(), &after);
  EXPECT_EQ(after.st_ino, before.st_ino);
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(folder.EntryCount(), 2u);
}

TEST_F(FileNames, AClosedDescriptorIsRefusedAndNothingIsMade) {
  const int fd = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
  ASSERT_GE(fd, 0);
  ::close(fd);
  const std::string link = folder.File("to-closed");
  std::filesystem::create_symlink("/proc/self/fd/" + std::to_string(fd), link);
  for (const std::string& name : {"/dev/fd/" + std::to_string(fd), link}) {
    try {
      ReplaceFileAtomically(name, "drawing");
      ADD_FAILURE() << name << " was written";
    } catch (const FileError& error) {
      EXPECT_EQ(error.reason(), std::strerror(EBADF)) << name;
    }
  }
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(folder.EntryCount(), 1u);
}

TEST_F(FileNames, TellsWhetherTwoNamesLeadToOneFile) {
  struct Case {
    std::string first;
    std::string second;
    bool same;
  };
  InFolder inside(folder.Path());
  std::filesystem::create_directory("sub");
  WriteFile("dial", "old");
  WriteFile("other", "old");
  std::filesystem::create_symlink("dial", "link");
  std::filesystem::create_symlink("fresh", "dangling");
  std::filesystem::create_hard_link("dial", "sub/hard");
  const std::string here = folder.Path();
  const Case cases[] = {
      {"dial", "dial", true},
      {"dial", "./dial", true},
      {"dial", here + "/dial", true},
      {"dial", "sub/../dial", true},
      {"dial", "link", true},
      {"dial", "sub/hard", true},
      {"fresh", "./fresh", true},
      {"fresh", here + "/sub/../fresh", true},
      {"fresh", "dangling", true},
      {"missing/fresh", "./missing/fresh", true},
      {"/dev/stdout", "/dev/fd/1", true},
      {"dial", "other", false},
      {"dial", "fresh", false},
      {"fresh", "sub/fresh", false},
      {"dial.dxf", "dial.svg", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NameTheSameFile(c.first, c.second), c.same) << c.first << " / " << c.second;
    EXPECT_EQ(NameTheSameFile(c.second, c.first), c.same) << c.second << " / " << c.first;
  }
}

}  // namespace
