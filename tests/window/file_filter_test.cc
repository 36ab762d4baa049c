#include "window/file_filter.h"

#include <gtest/gtest.h>

namespace gridcode {
namespace {

TEST(FileFilterTest, TheDialogFilterOffersDataFilesAndAllFiles) {
  EXPECT_EQ(NameFilters(kDialogFilter), QStringList({QStringLiteral("データ ファイル (*.dat)"),
                                                     QStringLiteral("すべてのファイル (*)")}));
}

TEST(FileFilterTest, ConvertsEntries) {
  struct Case {
    QString filter;
    QStringList expected;
  };
  const std::vector<Case> cases = {
      {QStringLiteral("Text|*.txt;*.TXT"), {QStringLiteral("Text (*.txt *.TXT)")}},
      {QStringLiteral("Any|*.*"), {QStringLiteral("Any (*)")}},
      {QStringLiteral("Lonely"), {QStringLiteral("Lonely (*)")}},
      {QStringLiteral("A|*.a|B"), {QStringLiteral("A (*.a)"), QStringLiteral("B (*)")}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(NameFilters(c.filter), c.expected) << c.filter.toStdString();
}

}  // namespace
}  // namespace gridcode
