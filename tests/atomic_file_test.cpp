#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstring>
#include <filesystem>
#include <thread>

#include "platform/errors.h"
#include "temp_folder.h"

namespace {

using platform::FileError;
using platform::ReplaceFileAtomically;

class AtomicFile : public ::testing::Test {
 protected:
  TempFolder folder;
};

TEST_F(AtomicFile, CreatesANewFileWithTheUsualPermissions) {
  const std::string path = folder.File("new.dxf");
  ReplaceFileAtomically(path, "abc\r\n");
  EXPECT_EQ(ReadFile(path), "abc\r\n");
  mode_t mask = ::umask(0);
  ::umask(mask);
  EXPECT_EQ(std::filesystem::status(path).permissions(),
            static_cast<std::filesystem::perms>(0666 & ~mask));
  EXPECT_EQ(folder.EntryCount(), 1u);
}

TEST_F(AtomicFile, ReplacesALongerFileWholeAndKeepsItsPermissions) {
  const std::string path = folder.File("old.dxf");
  WriteFile(path, std::string(10000, 'x'));
  ::chmod(path.c_str(), 0640);
  ReplaceFileAtomically(path, "new");
  EXPECT_EQ(ReadFile(path), "new");
  EXPECT_EQ(std::filesystem::status(path).permissions(), static_cast<std::filesystem::perms>(0640));
  EXPECT_EQ(folder.EntryCount(), 1u);
}

TEST_F(AtomicFile, WritesThroughASymbolicLinkAndKeepsTheLink) {
  const std::string real = folder.File("real.dxf");
  const std::string link = folder.File("link.dxf");
  WriteFile(real, "old");
  std::filesystem::create_symlink(real, link);
  ReplaceFileAtomically(link, "new");
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(ReadFile(real), "new");
}

TEST_F(AtomicFile, FailsWithoutTouchingAnythingWhenTheTargetCannotBeMade) {
  const std::string existing = folder.File("keep.dxf");
  WriteFile(existing, "old");
  std::filesystem::create_directory(folder.File("sub"));
  struct Case {
    std::string path;
    int reason;
  };
  const Case cases[] = {{"", ENOENT},
                        {folder.File("missing/new.dxf"), ENOENT},
                        {folder.File("keep.dxf/new.dxf"), ENOTDIR},
                        {folder.File("sub"), EISDIR},
                        {folder.File("sub/"), EISDIR},
                        {folder.File("sub/.."), EISDIR},
                        {"/dev/full", ENOSPC}};
  for (const Case& c : cases) {
    try {
      ReplaceFileAtomically(c.path, "bytes");
      ADD_FAILURE() << c.path << " was written";
    } catch (const FileError& error) {
      EXPECT_EQ(error.path(), c.path);
      EXPECT_EQ(error.reason(), std::strerror(c.reason)) << c.path;
      EXPECT_EQ(std::string(error.what()), c.path + ": " + std::strerror(c.reason));
    }
  }
  EXPECT_EQ(ReadFile(existing), "old");
  EXPECT_EQ(folder.EntryCount(), 2u);
  EXPECT_TRUE(std::filesystem::is_character_file("/dev/full"));
}

TEST_F(AtomicFile, ReplacesSeveralFilesOnlyWhenAllCanBeWritten) {
  const std::string first = folder.File("a.dxf");
  const std::string second = folder.File("b.svg");
  WriteFile(first, "old a");
  EXPECT_THROW(platform::ReplaceFilesAtomically({{first, "new a"}, {folder.File("no/b.svg"), "b"}}),
               FileError);
  EXPECT_EQ(ReadFile(first), "old a");
  EXPECT_EQ(folder.EntryCount(), 1u);

  EXPECT_THROW(platform::ReplaceFilesAtomically({{first, "new a"}, {"/dev/full", "b"}}), FileError);
  EXPECT_EQ(ReadFile(first), "old a");

  platform::ReplaceFilesAtomically({{first, "new a"}, {second, "new b"}});
  EXPECT_EQ(ReadFile(first), "new a");
  EXPECT_EQ(ReadFile(second), "new b");
}

struct stat StatOf(const std::string& path) {
  struct stat info {};
  ::stat(path.c_str(), &info);
  return info;
}

TEST_F(AtomicFile, AReplacedFileKeepsItsPermissionsButNeverGainsPrivileges) {
  struct Case {
    mode_t before;
    mode_t after;
  };
  const Case cases[] = {{0640, 0640}, {0600, 0600}, {0777, 0777},
                        {04755, 0755}, {02775, 0775}, {01666, 0666}, {06777, 0777}};
  const std::string path = folder.File("dial.dxf");
  for (const Case& c : cases) {
    WriteFile(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), c.before), 0);
    ReplaceFileAtomically(path, "new");
    EXPECT_EQ(StatOf(path).st_mode & 07777, c.after) << std::oct << c.before;
  }
  EXPECT_EQ(folder.EntryCount(), 1u);
}

// Root saving a user's file must leave it the user's, or the user could not
// save it again.
TEST_F(AtomicFile, AReplacedFileKeepsItsOwnerAndGroup) {
  if (::geteuid() != 0) GTEST_SKIP() << "only root may give a file to another user";
  const std::string path = folder.File("dial.dxf");
  WriteFile(path, "old");
  ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
  ReplaceFileAtomically(path, "new");
  EXPECT_EQ(StatOf(path).st_uid, 65534u);
  EXPECT_EQ(StatOf(path).st_gid, 65534u);
}

TEST_F(AtomicFile, AReplacedFileKeepsItsExtendedAttributes) {
  const std::string path = folder.File("dial.dxf");
  WriteFile(path, "old");
  const std::string value = "sundial";
  if (::setxattr(path.c_str(), "user.zrd.test", value.data(), value.size(), 0) != 0) {
    GTEST_SKIP() << "this file system keeps no user attributes: " << std::strerror(errno);
  }
  ReplaceFileAtomically(path, "new");
  char copy[32] = {};
  EXPECT_EQ(::getxattr(path.c_str(), "user.zrd.test", copy, sizeof copy),
            static_cast<ssize_t>(value.size()));
  EXPECT_EQ(std::string(copy), value);
}

// The other names of a file keep the old drawing: a save replaces the name
// it was given, as every replacement by rename does.
TEST_F(AtomicFile, ReplacesTheNameGivenAndLeavesOtherHardLinksAsTheyWere) {
  const std::string path = folder.File("dial.dxf");
  const std::string other = folder.File("copy.dxf");
  WriteFile(path, "old");
  std::filesystem::create_hard_link(path, other);
  ReplaceFileAtomically(path, "new");
  EXPECT_EQ(ReadFile(path), "new");
  EXPECT_EQ(ReadFile(other), "old");
  EXPECT_EQ(StatOf(other).st_nlink, 1u);
  EXPECT_EQ(folder.EntryCount(), 2u);
}

TEST_F(AtomicFile, SavesATargetWhosePathIsAsLongAsTheSystemAllows) {
  constexpr std::size_t kLongest = PATH_MAX - 1;
  constexpr std::size_t kLongestName = 255;
  std::string path = folder.Path();
  while (kLongest - path.size() - 1 > kLongestName) {
    const std::size_t room = kLongest - path.size() - 1 - kLongestName - 1;
    path += "/" + std::string(std::clamp<std::size_t>(room, 1, 200), 'd');
    ASSERT_EQ(::mkdir(path.c_str(), 0700), 0) << std::strerror(errno);
  }
  path += "/" + std::string(kLongest - path.size() - 1, 'n');
  ASSERT_EQ(path.size(), kLongest);
  ReplaceFileAtomically(path, "new");
  ReplaceFileAtomically(path, "newer");
  EXPECT_EQ(ReadFile(path), "newer");
  const auto entries = std::filesystem::directory_iterator(std::filesystem::path(path).parent_path());
  EXPECT_EQ(std::distance(begin(entries), end(entries)), 1);
}

// A pipe's reader may be slower than the writer: a full pipe must wait, not
// fail.
TEST_F(AtomicFile, WritesAPipeWholeHoweverSlowItsReader) {
  const std::string fifo = folder.File("pipe");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  const std::string bytes(1 << 20, 'x');
  std::string received;
  // Until the save has opened the pipe, a read finds no writer and ends.
  std::atomic<bool> saved = false;
  std::thread draining([&] {
    ::fcntl(reader, F_SETFL, 0);
    char chunk[4096];
    for (;;) {
      std::this_thread::sleep_for(std::chrono::microseconds(50));
      const ssize_t count = ::read(reader, chunk, sizeof chunk);
      if (count > 0) received.append(chunk, static_cast<std::size_t>(count));
      if (count < 0 || (count == 0 && saved)) break;
    }
  });
  EXPECT_NO_THROW(ReplaceFileAtomically(fifo, bytes));
  saved = true;
  draining.join();
  ::close(reader);
  EXPECT_EQ(received.size(), bytes.size());
  EXPECT_TRUE(std::filesystem::is_fifo(fifo));
}

TEST_F(AtomicFile, RefusesToSaveOneFileUnderTwoNames) {
  const std::string path = folder.File("dial");
  WriteFile(path, "old");
  EXPECT_THROW(platform::ReplaceFilesAtomically({{path, "a"}, {folder.Path() + "/./dial", "b"}}),
               FileError);
  EXPECT_EQ(ReadFile(path), "old");
  EXPECT_EQ(folder.EntryCount(), 1u);
}

// What a save killed between naming its new file and renaming it leaves
// behind, the next save of the same file removes, and nothing else.
TEST_F(AtomicFile, ASaveRemovesWhatAKilledSaveOfTheSameFileLeftBehind) {
  const std::string path = folder.File("dial.dxf");
  WriteFile(path, "old");
  const std::string leftBehind[] = {".dial.dxf.zrd-new-AbC123", ".dial.dxf.zrd-old-xYz789"};
  const std::string kept[] = {".dial.dxf.zrd-new-AbC1234", ".dial.svg.zrd-new-AbC123",
                              ".dial.dxf.zrd-tmp-AbC123", "dial.dxf.zrd-new-AbC123"};
  for (const std::string& name : leftBehind) WriteFile(folder.File(name), "stale");
  for (const std::string& name : kept) WriteFile(folder.File(name), "mine");
  ReplaceFileAtomically(path, "new");
  for (const std::string& name : leftBehind) {
    EXPECT_FALSE(std::filesystem::exists(folder.File(name))) << name;
  }
  for (const std::string& name : kept) EXPECT_EQ(ReadFile(folder.File(name)), "mine") << name;
  EXPECT_EQ(ReadFile(path), "new");
}

// Run as an unprivileged user: root may write anything.
TEST_F(AtomicFile, UnprivilegedRefusesAFileOrFolderClosedToWriting) {
  if (::geteuid() == 0) GTEST_SKIP() << "runs again as an unprivileged user";
  const std::string readOnly = folder.File("read-only.dxf");
  WriteFile(readOnly, "old");
  ::chmod(readOnly.c_str(), 0444);
  EXPECT_THROW(ReplaceFileAtomically(readOnly, "new"), FileError);
  EXPECT_EQ(ReadFile(readOnly), "old");

  const std::string closed = folder.File("closed");
  std::filesystem::create_directory(closed);
  ::chmod(closed.c_str(), 0555);
  EXPECT_THROW(ReplaceFileAtomically(closed + "/new.dxf", "new"), FileError);
  EXPECT_EQ(folder.EntryCount(), 2u);
  ::chmod(closed.c_str(), 0755);
  EXPECT_TRUE(std::filesystem::is_empty(closed));
}

// A folder the user may not write, holding a file the user may: the file is
// rewritten in place, the one save that is not atomic.
TEST_F(AtomicFile, UnprivilegedRewritesAWritableFileInAFolderClosedToWriting) {
  if (::geteuid() == 0) GTEST_SKIP() << "runs again as an unprivileged user";
  const std::string closed = folder.File("closed");
  std::filesystem::create_directory(closed);
  const std::string shared = closed + "/shared.dxf";
  WriteFile(shared, std::string(5000, 'x'));
  ::chmod(shared.c_str(), 0666);
  const ino_t inode = StatOf(shared).st_ino;
  ::chmod(closed.c_str(), 0555);
  ReplaceFileAtomically(shared, "new");
  EXPECT_EQ(ReadFile(shared), "new");
  EXPECT_EQ(StatOf(shared).st_ino, inode);
  EXPECT_EQ(StatOf(shared).st_mode & 07777, 0666u);
  ::chmod(closed.c_str(), 0755);
}

}  // namespace
