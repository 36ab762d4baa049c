// Runs under a Japanese locale (LANG=ja_JP.UTF-8, set by the test registration):
// messages come out in Japanese, the window's fixed texts stay as they are.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "fake_dialogs.h"
#include "window/file_filter.h"
#include "window/form1.h"
#include "window/qt_dialogs.h"
#include "window/translations.h"

namespace gridcode {
namespace {

TEST(JapaneseTest, MessagesAreJapaneseAndFixedTextsAreNot) {
  ASSERT_EQ(QLocale().language(), QLocale::Japanese) << "run with LANG=ja_JP.UTF-8";
  auto dialogs = std::make_unique<FakeDialogs>();
  FakeDialogs& answers = *dialogs;
  Form1 window(std::move(dialogs));

  answers.SetNextFileName(QStringLiteral("/nonexistent/grid.dat"));
  window.findChild<QPushButton*>(QStringLiteral("LOAD"))->click();
  ASSERT_EQ(answers.failures.size(), 1u);
  EXPECT_EQ(answers.failures[0].title, QStringLiteral("読み込めません"));
  EXPECT_TRUE(answers.failures[0].text.contains(QStringLiteral("グリッドを読み込めませんでした")))
      << answers.failures[0].text.toStdString();
  EXPECT_EQ(window.findChild<QLineEdit*>(QStringLiteral("Text1_15"))->accessibleName(),
            QStringLiteral("2 行 2 列のセル"));
  EXPECT_EQ(window.findChild<QAbstractButton*>(QStringLiteral("Swatch_3"))->accessibleName(),
            QStringLiteral("3 で塗る"));
  EXPECT_EQ(window.findChild<QAbstractButton*>(QStringLiteral("Undo"))->accessibleName(),
            QStringLiteral("元に戻す"));

  EXPECT_EQ(window.windowTitle(), QStringLiteral("Form1"));
  EXPECT_EQ(window.findChild<QPushButton*>(QStringLiteral("Command1"))->text(), "Command1");
  EXPECT_EQ(window.findChild<QPushButton*>(QStringLiteral("Save"))->text(), "SAVE");
  EXPECT_EQ(window.findChild<QPushButton*>(QStringLiteral("LOAD"))->text(), "LOAD");
  EXPECT_EQ(NameFilters(kDialogFilter).first(), QStringLiteral("データ ファイル (*.dat)"));
  // The toolkit's own texts too, as in a question's buttons.
  QMessageBox question(QMessageBox::Question, {}, {}, QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(question.button(QMessageBox::No)->text(), QStringLiteral("いいえ(&N)"));

  // The real file dialog, as LOAD opens it, keeps its fixed title.
  QtDialogs real_dialogs(&window);
  QString dialog_title;
  QTimer::singleShot(0, &window, [&] {
    auto* dialog = window.findChild<QFileDialog*>(QStringLiteral("DLG"));
    if (dialog == nullptr) return;
    dialog_title = dialog->windowTitle();
    dialog->reject();
  });
  EXPECT_EQ(real_dialogs.OpenFileName(), QString());
  EXPECT_EQ(dialog_title, QStringLiteral("データの保存"));
}

}  // namespace
}  // namespace gridcode

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef GRIDCODE_TEST_FONT_DIR
  qputenv("QT_QPA_FONTDIR", GRIDCODE_TEST_FONT_DIR);
#endif
  QApplication application(argc, argv);
  gridcode::InstallTranslations(application);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
