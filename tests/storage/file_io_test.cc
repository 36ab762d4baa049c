#include "storage/file_io.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <grp.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>
#endif

#include <csignal>
#include <cstdint>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>

#include "format/cells_file.h"
#include "format/grid_file.h"
#include "support/temp_folder.h"

namespace gridcode {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kOld = "old grid\r\n";
constexpr std::string_view kNew = "new grid, longer than the old\r\n";

// Loads the file at `path` as LOAD does: its cells, or why it gives none.
Expected<Cells, CellsFileError> Load(const fs::path& path) {
  Expected<LoadedCells, CellsFileError> loaded =
      LoadCells(path, Readable::kRegularFilesOnly, AcceptedFiles::kGridFilesAndPictures);
  if (!loaded) return Unexpected(std::move(loaded).error());
  return std::move(loaded->cells);
}

// The names in `folder`, to see that no temporary file is left behind.
std::size_t Entries(const fs::path& folder) {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {}));
}

#ifdef _WIN32
// The number that tells files on one volume apart, which a new file put in
// an old one's place does not share.
std::uint64_t FileIndex(const fs::path& path) {
  const HANDLE file =
      ::CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
  BY_HANDLE_FILE_INFORMATION information{};
  EXPECT_TRUE(::GetFileInformationByHandle(file, &information)) << path;
  ::CloseHandle(file);
  return (std::uint64_t{information.nFileIndexHigh} << 32) | information.nFileIndexLow;
}

// How a save is run. Windows has no fork: it runs in the test itself, and a
// read-only file is read-only for every user, so running unprivileged
// changes nothing.
struct Saver {
  bool unprivileged = false;
};

std::optional<FileError> SaveInChild(const fs::path& path, std::string_view contents, Saver) {
  return SaveFile(path, contents);
}
#else
constexpr uid_t kNobody = 65534;

struct stat Status(const fs::path& path) {
  struct stat status {};
  EXPECT_EQ(::stat(path.c_str(), &status), 0) << path;
  return status;
}
bool IsRoot() { return ::geteuid() == 0; }

// How a save is run: as an unprivileged user (nobody, when the test runs as
// root), and with a limit on the size of files it may write.
struct Saver {
  bool unprivileged = false;
  rlim_t file_size_limit = RLIM_INFINITY;
};

// Saves `contents` to `path` in a child process set up as `saver` says, so
// that the limits and the user do not reach the test itself.
std::optional<FileError> SaveInChild(const fs::path& path, std::string_view contents, Saver saver) {
  struct Result {
    bool failed;
    FileError error;
  };
  void* shared =
      ::mmap(nullptr, sizeof(Result), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
  auto* result = new (shared) Result{false, {}};
  const pid_t child = ::fork();
  if (child == 0) {
    if (saver.file_size_limit != RLIM_INFINITY) {
      std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails with EFBIG instead
      const rlimit limit{saver.file_size_limit, saver.file_size_limit};
      if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(2);
    }
    if (saver.unprivileged && IsRoot() &&
        (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
      ::_exit(3);
    }
    if (const std::optional<FileError> error = SaveFile(path, contents)) *result = {true, *error};
    ::_exit(0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "child status " << status;
  const std::optional<FileError> error =
      result->failed ? std::optional<FileError>(result->error) : std::nullopt;
  ::munmap(shared, sizeof(Result));
  return error;
}
#endif

class FileIoTest : public TempFolderTest {
 protected:
  void SetUp() override {
    TempFolderTest::SetUp();
    fs::permissions(folder_, fs::perms::owner_all | fs::perms::others_exec);
  }
  // A new folder for one case, which every user may enter.
  fs::path CaseFolder(const std::string& name) {
    fs::path folder = folder_ / name;
    fs::create_directory(folder);
    fs::permissions(folder, fs::perms::owner_all | fs::perms::others_exec | fs::perms::others_read);
    return folder;
  }
};

TEST_F(FileIoTest, SavesAndLoadsBack) {
  const fs::path path = CaseFolder("grid") / "grid.dat";
  Cells cells;
  cells.fill("3");
  ASSERT_EQ(SaveFile(path, GridFileText(cells)), std::nullopt);
  EXPECT_EQ(Contents(path), std::string(140, '3') + "\r\n");
  EXPECT_EQ(Entries(path.parent_path()), 1u);
  const Expected<Cells, CellsFileError> loaded = Load(path);
  ASSERT_TRUE(loaded.has_value());
  EXPECT_EQ(*loaded, cells);
}

TEST_F(FileIoTest, SavesKeepTheFileTheUserChose) {
  struct Case {
    std::string name;
    bool needs_root;  // the file belongs to another user
    Saver saver;
    std::function<void(const fs::path& file)> arrange;
    bool in_place;  // rewritten in place rather than replaced by a new file
    fs::path file_name = "grid.dat";
  };
  const std::vector<Case> cases = {
      {"name in Japanese", false, {}, [](const fs::path&) {}, false, fs::path(u8"グリッド.dat")},
      {"second hard link still shares the file",
       false,
       {},
       [](const fs::path& file) { fs::create_hard_link(file, file.parent_path() / "other"); },
       true},
#ifdef _WIN32
      {"hidden file stays hidden",
       false,
       {},
       [](const fs::path& file) {
         ::SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE);
       },
       true},
#else
      {"plain file, replaced by a new one with its mode",
       false,
       {},
       [](const fs::path& file) { ::chmod(file.c_str(), 0640); },
       false},
      {"extended attributes kept",
       false,
       {},
       [](const fs::path& file) { ::setxattr(file.c_str(), "user.origin", "test", 4, 0); },
       true},
      {"another user's file stays theirs when root saves it",
       true,
       {},
       [](const fs::path& file) { ::chown(file.c_str(), kNobody, kNobody); },
       false},
      {"writable file in a folder the user may not write",
       false,
       {.unprivileged = true},
       [](const fs::path& file) {
         ::chmod(file.c_str(), 0666);
         ::chmod(file.parent_path().c_str(), 0555);
       },
       true},
      {"another user's writable file",
       true,
       {.unprivileged = true},
       [](const fs::path& file) {
         ::chmod(file.c_str(), 0666);
         ::chmod(file.parent_path().c_str(), 0777);
       },
       true},
#endif
  };
  int case_number = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
#ifndef _WIN32
    if (c.needs_root && !IsRoot()) continue;  // only root can give a file to another user
#endif
    const fs::path file = CaseFolder("case" + std::to_string(case_number++)) / c.file_name;
    Write(file, kOld);
    c.arrange(file);
#ifdef _WIN32
    if (c.name == "hidden file stays hidden" &&
        (::GetFileAttributesW(file.c_str()) & FILE_ATTRIBUTE_HIDDEN) == 0) {
      continue;  // this file system keeps no attributes
    }
    const std::uint64_t index = FileIndex(file);
    const DWORD attributes = ::GetFileAttributesW(file.c_str());
    const std::uintmax_t links = fs::hard_link_count(file);
    const std::size_t entries = Entries(file.parent_path());

    ASSERT_EQ(SaveInChild(file, kNew, c.saver), std::nullopt);

    EXPECT_EQ(Contents(file), kNew);
    EXPECT_EQ(FileIndex(file) == index, c.in_place);
    EXPECT_EQ(::GetFileAttributesW(file.c_str()), attributes);
    EXPECT_EQ(fs::hard_link_count(file), links);
    EXPECT_EQ(Entries(file.parent_path()), entries);
#else
    if (c.name == "extended attributes kept" && ::listxattr(file.c_str(), nullptr, 0) <= 0) {
      continue;  // this file system keeps no user attributes
    }
    const struct stat before = Status(file);
    const ssize_t attributes = ::listxattr(file.c_str(), nullptr, 0);
    const std::size_t entries = Entries(file.parent_path());

    ASSERT_EQ(SaveInChild(file, kNew, c.saver), std::nullopt);

    EXPECT_EQ(Contents(file), kNew);
    const struct stat after = Status(file);
    EXPECT_EQ(after.st_ino == before.st_ino, c.in_place);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
    EXPECT_EQ(after.st_mode, before.st_mode);
    EXPECT_EQ(after.st_nlink, before.st_nlink);
    EXPECT_EQ(::listxattr(file.c_str(), nullptr, 0), attributes);
    EXPECT_EQ(Entries(file.parent_path()), entries);
#endif
  }
}

TEST_F(FileIoTest, FailedSavesSayWhatHappened) {
  struct Case {
    std::string name;
    Saver saver;
    std::function<fs::path(const fs::path& folder)> arrange;  // returns the path to save to
    FileError expected;
  };
  const auto old_file = [](const fs::path& folder) {
    Write(folder / "grid.dat", kOld);
    return folder / "grid.dat";
  };
  const std::vector<Case> cases = {
#ifdef _WIN32
      {"read-only file",
       {},
       [&](const fs::path& folder) {
         const fs::path file = old_file(folder);
         ::SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY);
         return file;
       },
       {FileError::Kind::kCannotWrite, EACCES}},
#else
      {"read-only file",
       {.unprivileged = true},
       [&](const fs::path& folder) {
         fs::path file = old_file(folder);
         ::chmod(file.c_str(), 0444);
         return file;
       },
       {FileError::Kind::kCannotWrite, EACCES}},
      {"new file in a folder the user may not write",
       {.unprivileged = true},
       [](const fs::path& folder) {
         ::chmod(folder.c_str(), 0555);
         return folder / "grid.dat";
       },
       {FileError::Kind::kCannotWrite, EACCES}},
      {"write fails after the new file exists",
       {.file_size_limit = 4},
       old_file,
       {FileError::Kind::kCannotWrite, EFBIG}},
      {"write in place fails part way",
       {.file_size_limit = 4},
       [&](const fs::path& folder) {
         fs::path file = old_file(folder);
         fs::create_hard_link(file, folder / "other");
         return file;
       },
       {FileError::Kind::kCannotWrite, EFBIG, true}},
#endif
      {"folder",
       {},
       [](const fs::path& folder) {
         fs::create_directory(folder / "grid.dat");
         return folder / "grid.dat";
       },
       {FileError::Kind::kIsDirectory, EISDIR}},
#ifndef _WIN32
      {"named pipe",
       {},
       [](const fs::path& folder) {
         ::mkfifo((folder / "pipe").c_str(), 0666);
         return folder / "pipe";
       },
       {FileError::Kind::kNotRegularFile}},
#endif
      {"missing folder",
       {},
       [](const fs::path& folder) { return folder / "no" / "grid.dat"; },
       {FileError::Kind::kCannotWrite, ENOENT}},
      {"no name",
       {},
       [](const fs::path&) { return fs::path(); },
       {FileError::Kind::kCannotWrite, ENOENT}},
  };
  int case_number = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const fs::path folder = CaseFolder("case" + std::to_string(case_number++));
    const fs::path path = c.arrange(folder);
    const std::size_t entries = Entries(folder);

    EXPECT_EQ(SaveInChild(path, kNew, c.saver), c.expected);

    if (fs::is_regular_file(path)) {
      const std::string contents = Contents(path);
      EXPECT_EQ(contents == kOld, !c.expected.file_changed) << contents;
    }
    EXPECT_EQ(Entries(folder), entries);
  }
}

TEST_F(FileIoTest, WritesThroughASymbolicLink) {
#ifdef _WIN32
  GTEST_SKIP() << "symbolic links need a privilege on Windows";
#endif
  const fs::path folder = CaseFolder("link");
  Write(folder / "target.dat", kOld);
  fs::create_symlink(folder / "target.dat", folder / "link.dat");
  ASSERT_EQ(SaveFile(folder / "link.dat", kNew), std::nullopt);
  EXPECT_TRUE(fs::is_symlink(folder / "link.dat"));
  EXPECT_EQ(Contents(folder / "target.dat"), kNew);
}

// A file, or a stream that is no file, read within a limit, whole or in
// steps of a growing limit as a listing is: each read ends at the limit's
// next byte or at the input's end, and the steps join up to the whole.
TEST_F(FileIoTest, ReadsWithinALimitInOneGoOrInSteps) {
  const fs::path path = CaseFolder("within") / "bytes";
  for (const std::size_t size : {0, 1, 4095, 4096, 4097, 65536, 65537, 200000}) {
    std::string contents(size, '\0');
    for (std::size_t i = 0; i < size; ++i) contents[i] = static_cast<char>('a' + i % 23);
    Write(path, contents);
    for (const std::size_t limit : {0, 4096, 65536, 100000, 300000}) {
      for (const bool from_file : {true, false}) {
        SCOPED_TRACE(testing::Message() << size << " bytes within " << limit
                                        << (from_file ? " from a file" : " from a stream"));
        InputFile file;
        std::istringstream text(contents);
        if (from_file) {
          ASSERT_EQ(file.Open(path, Readable::kRegularFilesOnly), std::nullopt);
        }
        std::istream& input = from_file ? file.stream() : text;
        std::string bytes;
        ReadWithin(input, limit, bytes);
        EXPECT_EQ(bytes, contents.substr(0, limit + 1));
        // Then on, 70,000 bytes further at a time.
        for (std::size_t further = limit; bytes.size() > further;) {
          further += 70000;
          ReadWithin(input, further, bytes);
          ASSERT_EQ(bytes, contents.substr(0, further + 1));
        }
        EXPECT_EQ(bytes, contents);
      }
    }
  }
}

TEST_F(FileIoTest, LoadFailuresSayWhy) {
  const fs::path folder = CaseFolder("load");
  Write(folder / "empty.dat", "");
  fs::create_directory(folder / "folder.dat");
#ifndef _WIN32
  ::mkfifo((folder / "pipe").c_str(), 0666);
#endif
  struct Case {
    fs::path path;
    CellsFileError expected;
  };
  // A pipe with no writer would block an ordinary open: it is refused at once.
  for (const Case& c :
       {Case{folder / "missing.dat", FileError{FileError::Kind::kCannotRead, ENOENT}},
        Case{folder / "folder.dat", FileError{FileError::Kind::kIsDirectory, EISDIR}},
        Case{folder / "empty.dat", GridFileError::kNothingToRead},
#ifdef _WIN32
        Case{"NUL", FileError{FileError::Kind::kNotRegularFile}},
#else
        Case{folder / "pipe", FileError{FileError::Kind::kNotRegularFile}},
        Case{"/dev/null", FileError{FileError::Kind::kNotRegularFile}},
#endif
        Case{"", FileError{FileError::Kind::kCannotRead, ENOENT}}}) {
    SCOPED_TRACE(c.path);
    const Expected<Cells, CellsFileError> loaded = Load(c.path);
    ASSERT_FALSE(loaded.has_value());
    EXPECT_EQ(loaded.error(), c.expected);
  }
}

}  // namespace
}  // namespace gridcode
