#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>
#include <optional>

#include "platform/descriptor_io.h"
#include "platform/errors.h"
#include "platform/file_target.h"
#include "platform/same_file.h"
#include "platform/save_folder.h"
#include "platform/temporary_file.h"

namespace platform {
namespace {

// How a file's new content reaches it.
enum class Way {
  kDescriptor,  // written through a descriptor this process has open
  kDevice,      // a device, pipe or socket, written as it is
  kNew,         // a file made where there was none
  kReplace,     // a regular file replaced by a temporary file renamed over it
  kRewrite,     // a regular file rewritten in place: its folder takes no new files
};

void Check(const std::string& path, int error) {
  if (error != 0) throw FileError(path, error);
}

// One file of a save, from its name to its new content in place.
struct PendingFile {
  std::string path;
  std::string_view bytes;
  FileTarget target;
  SaveFolder* folder = nullptr;
  Way way = Way::kNew;
  // The file there now, open for writing.
  FileDescriptor existing;
  std::optional<TemporaryFile> temp;
  // A rewrite keeps the old content to put it back if the save fails.
  std::optional<std::string> oldBytes;
  // A hard link to the replaced file, kept until every file is in place.
  std::string backup;
  // The target has been changed and must be put back if the save fails.
  bool touched = false;
  // A sticky folder lets only some users rename over the file.
  bool mayRename = true;

  int FolderFd() const { return folder->fd.get(); }
  const char* Name() const { return target.name.c_str(); }
};

// A save's files and folders, each released by its owner's destructor,
// whatever step fails. Nothing is made before Prepare().
class Save {
 public:
  explicit Save(const std::vector<FileContent>& files) {
    for (const FileContent& file : files) {
      PendingFile& pending = files_.emplace_back();
      pending.path = file.path;
      pending.bytes = file.bytes;
    }
  }
  Save(const Save&) = delete;
  Save& operator=(const Save&) = delete;
  ~Save() {
    for (PendingFile& file : files_) {
      if (!file.backup.empty()) ::unlinkat(file.FolderFd(), file.backup.c_str(), 0);
    }
  }

  // Writes every new content beside its target, changing no target.
  void Prepare() {
    for (PendingFile& file : files_) file.target = ResolveTarget(file.path);
    RefuseOneFileTwice();
    OpenFolders();
    for (PendingFile& file : files_) {
      if (!file.target.IsDescriptor()) Examine(file);
    }
    for (PendingFile& file : files_) {
      if (file.way == Way::kNew || file.way == Way::kReplace) WriteBeside(file);
    }
  }

  void Commit() {
    // Devices and descriptors cannot be undone: they go first, so that
    // nothing has been replaced when one of them fails.
    for (PendingFile& file : files_) {
      if (file.way == Way::kDescriptor) WriteThrough(file, file.target.descriptor);
      if (file.way == Way::kDevice) WriteThrough(file, file.existing);
    }
    try {
      for (PendingFile& file : files_) {
        if (file.way == Way::kRewrite) Rewrite(file);
      }
      for (PendingFile& file : files_) {
        if (file.way == Way::kNew || file.way == Way::kReplace) MoveIntoPlace(file);
      }
    } catch (...) {
      Undo();
      throw;
    }
    // Every file is whole and in place by now; a folder that cannot be
    // flushed is no reason to report a save that has been made as failed.
    for (const std::unique_ptr<SaveFolder>& folder : folders_) {
      if (HasReplacedFileIn(*folder)) SyncFolder(*folder);
    }
  }

 private:
  void RefuseOneFileTwice() const {
    for (std::size_t i = 0; i < files_.size(); ++i) {
      for (std::size_t j = i + 1; j < files_.size(); ++j) {
        if (NameTheSameFile(files_[i].path, files_[j].path)) {
          throw FileError(files_[j].path, "names the same file as " + files_[i].path);
        }
      }
    }
  }

  void OpenFolders() {
    std::vector<SaveFolder*> distinct;
    for (PendingFile& file : files_) {
      if (file.target.IsDescriptor()) {
        file.way = Way::kDescriptor;
        continue;
      }
      auto opened = std::make_unique<SaveFolder>(OpenSaveFolder(file.target.folder, file.path));
      for (const std::unique_ptr<SaveFolder>& folder : folders_) {
        if (folder->device == opened->device && folder->inode == opened->inode) {
          file.folder = folder.get();
        }
      }
      if (file.folder) continue;
      file.folder = opened.get();
      distinct.push_back(opened.get());
      folders_.push_back(std::move(opened));
    }
    LockSaveFolders(distinct);
  }

  static void Examine(PendingFile& file) {
    struct stat info {};
    if (::fstatat(file.FolderFd(), file.Name(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
      Check(file.path, errno == ENOENT ? 0 : errno);
      file.way = Way::kNew;
      SweepSpareFiles(*file.folder, file.target.name);
      return;
    }
    if (S_ISDIR(info.st_mode)) throw FileError(file.path, EISDIR);
    // A link made since the name was followed.
    if (S_ISLNK(info.st_mode)) throw FileError(file.path, ELOOP);
    // A file that may not be written is refused, as opening it would be,
    // though renaming over it might be allowed.
    file.existing = FileDescriptor(::openat(file.FolderFd(), file.Name(),
                                            O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW));
    if (!file.existing.IsOpen()) throw FileError(file.path, errno);
    if (S_ISREG(info.st_mode)) {
      file.way = Way::kReplace;
      file.mayRename = MayReplaceIn(*file.folder, info.st_uid);
      SweepSpareFiles(*file.folder, file.target.name);
      return;
    }
    // O_NONBLOCK only kept the open from waiting for a pipe's reader.
    file.way = Way::kDevice;
    const int flags = ::fcntl(file.existing.get(), F_GETFL);
    if (flags >= 0) ::fcntl(file.existing.get(), F_SETFL, flags & ~O_NONBLOCK);
  }

  static void WriteBeside(PendingFile& file) {
    TemporaryFile& temp = file.temp.emplace(file.FolderFd(), file.target.name);
    const int error = temp.Create(file.way == Way::kNew ? 0666 : 0600);
    if (error == EACCES || error == EPERM) {
      if (file.way == Way::kReplace) return PrepareRewrite(file);
    }
    Check(file.path, error);
    // Refused now, before any file of the save has changed, not at the
    // rename.
    if (!file.mayRename) throw FileError(file.path, EPERM);
    Check(file.path, WriteAll(temp.fd(), file.bytes));
    if (file.way == Way::kReplace) {
      Check(file.path, CopyOwnerAndPermissions(file.existing.get(), temp.fd()));
      // A new name must never point at content still on its way to disk.
      Check(file.path, ::fsync(temp.fd()) == 0 ? 0 : errno);
    }
    Check(file.path, temp.Finish());
  }

  static void PrepareRewrite(PendingFile& file) {
    file.temp.reset();
    file.way = Way::kRewrite;
    FileDescriptor reader(::openat(file.FolderFd(), file.Name(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
    std::string bytes;
    if (reader.IsOpen() && ReadAll(reader.get(), bytes) == 0) file.oldBytes = std::move(bytes);
  }

  static void WriteThrough(PendingFile& file, FileDescriptor& fd) {
    Check(file.path, WriteAll(fd.get(), file.bytes));
    Check(file.path, fd.Close());
  }

  static void Rewrite(PendingFile& file) {
    file.touched = true;
    Check(file.path, RewriteInPlace(file.existing.get(), file.bytes));
  }

  void MoveIntoPlace(PendingFile& file) const {
    if (file.way == Way::kNew) {
      Check(file.path, file.temp->LinkIntoPlace());
      file.touched = true;
      return;
    }
    if (&file != LastRenamed()) KeepBackup(file);
    Check(file.path, file.temp->MoveIntoPlace());
    file.touched = true;
  }

  bool HasReplacedFileIn(const SaveFolder& folder) const {
    for (const PendingFile& file : files_) {
      if (file.way == Way::kReplace && file.folder == &folder) return true;
    }
    return false;
  }

  // The last file renamed needs no backup: nothing after its rename can
  // fail. Files rewritten in place keep their old content in memory.
  const PendingFile* LastRenamed() const {
    const PendingFile* last = nullptr;
    for (const PendingFile& file : files_) {
      if (file.way == Way::kNew || file.way == Way::kReplace) last = &file;
    }
    return last;
  }

  static void KeepBackup(PendingFile& file) {
    std::string name = SpareName(file.target.name, SpareKind::kOld);
    if (::linkat(file.FolderFd(), file.Name(), file.FolderFd(), name.c_str(), 0) == 0) {
      file.backup = std::move(name);
      return;
    }
    // File systems without hard links cannot keep the old file; the save
    // goes on as one that cannot be undone.
    if (errno != EPERM && errno != EOPNOTSUPP && errno != EMLINK) throw FileError(file.path, errno);
  }

  void Undo() {
    for (auto file = files_.rbegin(); file != files_.rend(); ++file) {
      if (!file->touched) continue;
      if (file->way == Way::kRewrite && file->oldBytes) {
        RewriteInPlace(file->existing.get(), *file->oldBytes);
      } else if (file->way == Way::kNew) {
        ::unlinkat(file->FolderFd(), file->Name(), 0);
      } else if (file->way == Way::kReplace && !file->backup.empty()) {
        if (::renameat(file->FolderFd(), file->backup.c_str(), file->FolderFd(), file->Name()) == 0) {
          file->backup.clear();
        }
      }
    }
  }

  // Declared first so that the files, whose temporaries live in these
  // folders, go first.
  std::vector<std::unique_ptr<SaveFolder>> folders_;
  std::vector<PendingFile> files_;
};

}  // namespace

void ReplaceFileAtomically(const std::string& path, std::string_view bytes) {
  ReplaceFilesAtomically({{path, std::string(bytes)}});
}

void ReplaceFilesAtomically(const std::vector<FileContent>& files) {
  Save save(files);
  save.Prepare();
  save.Commit();
}

}  // namespace platform
