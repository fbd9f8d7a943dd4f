#include "platform/atomic_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>

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
  const std::string cases[] = {"", folder.File("missing/new.dxf"), folder.File("sub"),
                               folder.File("sub/"), "/dev/full"};
  for (const std::string& path : cases) {
    EXPECT_THROW(ReplaceFileAtomically(path, "bytes"), FileError) << path;
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

}  // namespace
