// Test support: a folder of its own for each test, and whole-file reads and
// writes to set up and check what the code under test wrote.

#ifndef GRIDCODE_TESTS_SUPPORT_TEMP_FOLDER_H_
#define GRIDCODE_TESTS_SUPPORT_TEMP_FOLDER_H_

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>

namespace gridcode {

// The bytes of the file at `path`; empty if it cannot be read.
inline std::string Contents(const std::filesystem::path& path) {
  std::ifstream input(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(input), {}};
}

// Makes `bytes` the contents of the file at `path`.
inline void Write(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// A fixture whose `folder_` is a new, empty folder named after the test,
// removed with all it holds (folders a test made unreadable included) when
// the test ends.
class TempFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    folder_ = std::filesystem::temp_directory_path() /
              ("gridcode-" + test + "-" + std::to_string(std::random_device()()));
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override {
    namespace fs = std::filesystem;
    std::error_code ignored;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder_, ignored)) {
      if (entry.is_directory(ignored)) {
        fs::permissions(entry.path(), fs::perms::owner_all, ignored);
      }
      // Nor can a read-only file be removed on Windows.
      if (entry.is_regular_file(ignored)) {
        fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add, ignored);
      }
    }
    fs::remove_all(folder_, ignored);
  }

  std::filesystem::path folder_;
};

}  // namespace gridcode

#endif  // GRIDCODE_TESTS_SUPPORT_TEMP_FOLDER_H_
