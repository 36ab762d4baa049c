#include "storage/file_io.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <iterator>

namespace gridcode {
namespace {

namespace fs = std::filesystem;

class FileIoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("gridcode-test-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override {
    fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(folder_);
  }

  static std::string Contents(const fs::path& path) {
    std::ifstream input(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(input), {}};
  }
  static void Write(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  // The names in the folder, to see that no temporary file is left behind.
  std::size_t Entries() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder_), {}));
  }

  fs::path folder_;
};

TEST_F(FileIoTest, SavesAndLoadsBack) {
  const fs::path path = folder_ / "grid.dat";
  Cells cells;
  cells.fill("3");
  ASSERT_EQ(WriteFileAtomically(path, GridFileText(cells)), std::nullopt);
  EXPECT_EQ(Contents(path), std::string(140, '3') + "\r\n");
  EXPECT_EQ(Entries(), 1u);
  const LoadedCells loaded = LoadGridFile(path);
  ASSERT_EQ(loaded.error, std::nullopt);
  EXPECT_EQ(loaded.cells, cells);
}

TEST_F(FileIoTest, ReplacesAnExistingFileKeepingItsPermissions) {
  const fs::path path = folder_ / "grid.dat";
  Write(path, "old contents that are longer than the new ones");
  ::chmod(path.c_str(), 0640);
  ASSERT_EQ(WriteFileAtomically(path, "new\r\n"), std::nullopt);
  EXPECT_EQ(Contents(path), "new\r\n");
  struct stat status {};
  ASSERT_EQ(::stat(path.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0640u);
}

TEST_F(FileIoTest, WritesThroughASymbolicLink) {
  const fs::path target = folder_ / "target.dat";
  const fs::path link = folder_ / "link.dat";
  Write(target, "old");
  fs::create_symlink(target, link);
  ASSERT_EQ(WriteFileAtomically(link, "new"), std::nullopt);
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(Contents(target), "new");
}

TEST_F(FileIoTest, FailedSavesLeaveTheOldFileAsItWas) {
  const fs::path path = folder_ / "grid.dat";
  Write(path, "old grid\r\n");
  fs::create_directory(folder_ / "folder.dat");

  EXPECT_EQ(WriteFileAtomically(folder_ / "folder.dat", "new")->kind,
            FileError::Kind::kIsDirectory);
  EXPECT_EQ(WriteFileAtomically(folder_ / "missing" / "grid.dat", "new")->kind,
            FileError::Kind::kCannotOpen);
  EXPECT_EQ(WriteFileAtomically("", "new")->kind, FileError::Kind::kCannotOpen);

  if (::geteuid() != 0) {  // root writes regardless of permissions
    ::chmod(path.c_str(), 0444);
    EXPECT_EQ(WriteFileAtomically(path, "new")->system_error, EACCES);
    ::chmod(path.c_str(), 0644);
    fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
    const std::optional<FileError> error = WriteFileAtomically(path, "new");
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->system_error, EACCES);
    fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add);
  }
  EXPECT_EQ(Contents(path), "old grid\r\n");
  EXPECT_EQ(Entries(), 2u);
}

TEST_F(FileIoTest, LoadFailuresSayWhy) {
  Write(folder_ / "empty.dat", "");
  fs::create_directory(folder_ / "folder.dat");
  struct Case {
    fs::path path;
    FileError::Kind kind;
  };
  for (const Case& c : {Case{folder_ / "missing.dat", FileError::Kind::kCannotOpen},
                        Case{folder_ / "folder.dat", FileError::Kind::kIsDirectory},
                        Case{folder_ / "empty.dat", FileError::Kind::kNothingToRead},
                        Case{"", FileError::Kind::kCannotOpen}}) {
    const LoadedCells loaded = LoadGridFile(c.path);
    ASSERT_TRUE(loaded.error.has_value()) << c.path;
    EXPECT_EQ(loaded.error->kind, c.kind) << c.path;
  }
}

}  // namespace
}  // namespace gridcode
