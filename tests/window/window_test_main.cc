// Runs the window tests in a QApplication, headless unless a platform is set.
// Listing the tests (as CTest does to find them) needs no QApplication, and
// builds none, so that the listing prints nothing but the tests.

#include <gtest/gtest.h>

#include <QApplication>
#include <optional>
#include <string_view>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef GRIDCODE_TEST_FONT_DIR
  qputenv("QT_QPA_FONTDIR", GRIDCODE_TEST_FONT_DIR);
#endif
  bool listing = false;
  for (int i = 1; i < argc; ++i)
    listing = listing || std::string_view(argv[i]) == "--gtest_list_tests";
  std::optional<QApplication> application;
  if (!listing) application.emplace(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
