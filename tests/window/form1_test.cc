#include "window/form1.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QUrl>

#include "encoder/listing.h"
#include "form1_fixture.h"
#include "format/grid_picture.h"
#include "window/command_line.h"
#include "window/grid_picture_view.h"
#include "window/sprite_bank_view.h"

namespace gridcode {
namespace {

// --- Layout ---

TEST_F(Form1Test, ControlsStandWhereTheLayoutPutsThem) {
  EXPECT_EQ(window_->windowTitle(), "Form1");
  EXPECT_EQ(window_->size(), QSize(909, 619));  // 13635 x 9285 twips
  const int column_left[] = {56, 88, 120, 152, 184, 216, 248, 288, 320, 352, 384, 416, 448, 480};
  const int row_top[] = {48, 88, 128, 160, 192, 232, 272, 312, 344, 376};
  for (int i = 0; i < kCellCount; ++i) {
    EXPECT_EQ(Cell(i)->geometry(), QRect(column_left[i % 14], row_top[i / 14], 25, 25)) << i;
  }
  const int code_top[] = {48, 88, 120, 160, 192, 232, 272, 312, 344, 376};
  for (int row = 0; row < kRows; ++row) {
    EXPECT_EQ(RowCode(row)->geometry(), QRect(536, code_top[row], 217, 25)) << row;
  }
  EXPECT_EQ(DataLine(0)->geometry(), QRect(336, 448, 545, 25));
  EXPECT_EQ(DataLine(1)->geometry(), QRect(336, 480, 545, 25));
  struct ButtonCase {
    const char* name;
    const char* caption;
    QRect geometry;
  };
  for (const ButtonCase& b : {ButtonCase{"Command1", "Command1", QRect(192, 480, 89, 36)},
                              ButtonCase{"Save", "SAVE", QRect(520, 552, 121, 33)},
                              ButtonCase{"LOAD", "LOAD", QRect(680, 552, 97, 33)}}) {
    ASSERT_NE(Button(b.name), nullptr) << b.name;
    EXPECT_EQ(Button(b.name)->text(), b.caption);
    EXPECT_EQ(Button(b.name)->geometry(), b.geometry) << b.name;
    EXPECT_TRUE(Button(b.name)->isVisible());
  }
  EXPECT_EQ(window_->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly).size(), 152);
  // The tools stand in the row of the swatches, clear of every other control,
  // out of the Tab chain, with names and tooltips that give their keys.
  const char* tools[] = {"Undo",     "Redo",      "MirrorLeftRight", "MirrorTopBottom",
                         "MoveLeft", "MoveRight", "MoveUp",          "MoveDown"};
  const int tool_left[] = {216, 248, 288, 320, 384, 416, 448, 480};
  const auto stands_clear = [this](const QWidget* control) {
    for (const QWidget* other : window_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      EXPECT_TRUE(other == control || !other->geometry().intersects(control->geometry()))
          << control->objectName().toStdString() << " overlaps "
          << other->objectName().toStdString();
    }
  };
  for (int i = 0; i < 8; ++i) {
    const auto* tool = window_->findChild<QToolButton*>(QLatin1String(tools[i]));
    ASSERT_NE(tool, nullptr) << tools[i];
    EXPECT_EQ(tool->geometry(), QRect(tool_left[i], 556, 25, 25)) << tools[i];
    EXPECT_EQ(tool->focusPolicy(), Qt::NoFocus);
    EXPECT_FALSE(tool->accessibleName().isEmpty());
    const QString keys = tool->defaultAction()->shortcut().toString(QKeySequence::NativeText);
    EXPECT_TRUE(tool->toolTip().contains(keys)) << tool->toolTip().toStdString();
    stands_clear(tool);
  }
  // The bank stands in the free column right of the row codes, the palette
  // and the player in the strip above the grid, all out of the Tab chain.
  struct BankCase {
    const char* name;
    QRect geometry;
  };
  for (const BankCase& b :
       {BankCase{"SpriteBank", QRect(768, 48, 129, 288)},
        BankCase{"SpriteCount", QRect(768, 344, 129, 25)},
        BankCase{"NewSprite", QRect(768, 376, 25, 25)},
        BankCase{"CopySprite", QRect(820, 376, 25, 25)},
        BankCase{"DeleteSprite", QRect(872, 376, 25, 25)},
        BankCase{"CopyPicture", QRect(768, 408, 25, 25)},
        BankCase{"PastePicture", QRect(820, 408, 25, 25)},
        BankCase{"Palette", QRect(56, 11, 120, 25)}, BankCase{"Play", QRect(536, 11, 25, 25)},
        BankCase{"PlayRate", QRect(568, 11, 60, 25)}, BankCase{"PlayMode", QRect(635, 11, 118, 25)},
        BankCase{"PlayFrom", QRect(768, 11, 61, 25)}, BankCase{"PlayTo", QRect(836, 11, 61, 25)}}) {
    const auto* control = window_->findChild<QWidget*>(QLatin1String(b.name));
    ASSERT_NE(control, nullptr) << b.name;
    EXPECT_EQ(control->geometry(), b.geometry) << b.name;
    EXPECT_EQ(control->focusPolicy(), Qt::NoFocus) << b.name;
    EXPECT_TRUE(control->isVisible());
    stands_clear(control);
  }
}

TEST_F(Form1Test, FontsAreTheJapaneseGothicOrAnInstalledStandIn) {
  const QStringList wanted = Cell(0)->font().families();
  ASSERT_FALSE(wanted.isEmpty());
  EXPECT_EQ(wanted.first(), "ＭＳ Ｐゴシック");
  EXPECT_TRUE(wanted.contains(QFontInfo(Cell(0)->font()).family()))
      << "no Japanese font installed; showing "
      << QFontInfo(Cell(0)->font()).family().toStdString();
  for (QWidget* control :
       {static_cast<QWidget*>(Cell(77)), static_cast<QWidget*>(RowCode(3)),
        static_cast<QWidget*>(DataLine(1)), static_cast<QWidget*>(Button("LOAD"))}) {
    EXPECT_DOUBLE_EQ(control->font().pointSizeF(), 14.25) << control->objectName().toStdString();
    EXPECT_EQ(control->font().weight(), QFont::Normal);
  }
  EXPECT_DOUBLE_EQ(Button("Command1")->font().pointSizeF(), 9);
}

TEST_F(Form1Test, FieldsHaveSpokenNamesAndNoLimit) {
  EXPECT_EQ(Cell(17)->accessibleName(), "Cell row 2, column 4");
  EXPECT_EQ(RowCode(9)->accessibleName(), "Row code 10");
  EXPECT_EQ(DataLine(0)->accessibleName(), "DATA line 1");
  const QString long_text(100000, QLatin1Char('7'));
  Cell(5)->setText(long_text);
  EXPECT_EQ(Cell(5)->text(), long_text);
}

// --- Start-up and focus ---

TEST_F(Form1Test, StartsWithZeroCellsAndEmptyCodes) {
  for (int i = 0; i < kCellCount; ++i) EXPECT_EQ(Cell(i)->text(), "0") << i;
  for (int row = 0; row < kRows; ++row) EXPECT_EQ(RowCode(row)->text(), "");
  EXPECT_EQ(DataLine(0)->text(), "");
  EXPECT_EQ(DataLine(1)->text(), "");
}

TEST_F(Form1Test, TabVisitsEveryControlInOrder) {
  QStringList expected;
  for (int i = 0; i < kCellCount; ++i) expected << QStringLiteral("Text1_%1").arg(i);
  for (int row = 0; row < kRows; ++row) expected << QStringLiteral("Text2_%1").arg(row);
  expected << "Command1"
           << "Text3_0"
           << "Text3_1"
           << "Save"
           << "LOAD"
           << "Text1_0";
  QStringList visited{QApplication::focusWidget()->objectName()};
  for (int step = 1; step < expected.size(); ++step) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited << QApplication::focusWidget()->objectName();
  }
  EXPECT_EQ(visited, expected);
}

// --- Command1 ---

TEST_F(Form1Test, TypicalRequest) {
  Type(Cell(0), "3");
  Type(Cell(1), "3");
  Click("Command1");
  EXPECT_EQ(RowCode(0)->text(), "F000000");
  for (int row = 1; row < kRows; ++row) EXPECT_EQ(RowCode(row)->text(), "0000000");
  EXPECT_EQ(DataLine(0)->text(), "DATA F000000,0000000,0000000,0000000,0000000");
  EXPECT_EQ(DataLine(1)->text(), "DATA 0000000,0000000,0000000,0000000,0000000");
  EXPECT_TRUE(dialogs_->failures.empty());
}

TEST_F(Form1Test, OnlyCommand1RecomputesAndItRepeatsExactly) {
  Click("Command1");
  Type(Cell(20), "2");
  Type(RowCode(4), "typed");
  EXPECT_EQ(RowCode(1)->text(), "0000000");  // typing recomputes nothing
  EXPECT_EQ(RowCode(4)->text(), "typed");
  Click("Command1");
  const QStringList first = AllTexts();
  EXPECT_EQ(RowCode(1)->text(), "0008000");
  EXPECT_EQ(RowCode(4)->text(), "0000000");  // typed code replaced, never in a DATA line
  Click("Command1");
  EXPECT_EQ(AllTexts(), first);
}

TEST_F(Form1Test, OverflowIsReportedAndTheWindowGoesOn) {
  for (int row = 0; row < kRows; ++row) RowCode(row)->setText("old");
  DataLine(0)->setText("old 0");
  DataLine(1)->setText("old 1");
  Type(Cell(CellIndex(3, 2)), "99999999999");
  Click("Command1");
  ASSERT_EQ(dialogs_->failures.size(), 1u);
  const QString message = dialogs_->failures[0].text;
  EXPECT_TRUE(message.contains("Row 4")) << message.toStdString();
  EXPECT_TRUE(message.contains("columns 3 and 4")) << message.toStdString();
  EXPECT_TRUE(message.contains("99999999999")) << message.toStdString();
  for (int row = 0; row < 3; ++row) EXPECT_EQ(RowCode(row)->text(), "0000000");
  for (int row = 3; row < kRows; ++row) EXPECT_EQ(RowCode(row)->text(), "old");
  EXPECT_EQ(DataLine(0)->text(), "old 0");
  EXPECT_EQ(DataLine(1)->text(), "old 1");
  EXPECT_TRUE(window_->isVisible());

  Type(Cell(CellIndex(3, 2)), "1");  // mended, the next run succeeds
  Click("Command1");
  EXPECT_EQ(dialogs_->failures.size(), 1u);
  EXPECT_EQ(RowCode(3)->text(), "0400000");
}

TEST_F(Form1Test, OverflowMessageShortensAHugeText) {
  Type(Cell(0), "");
  Cell(0)->setText(QString(5000, QLatin1Char('9')));
  Click("Command1");
  ASSERT_EQ(dialogs_->failures.size(), 1u);
  EXPECT_LT(dialogs_->failures[0].text.size(), 600);
  EXPECT_TRUE(dialogs_->failures[0].text.contains("column 1"));
}

TEST_F(Form1Test, MarksCellsThatAreNotOneDigitUntilTheyAreMended) {
  Type(Cell(30), "x");
  Type(Cell(31), "12");
  EXPECT_TRUE(Cell(30)->toolTip().contains("reads as 0")) << Cell(30)->toolTip().toStdString();
  EXPECT_TRUE(Cell(31)->toolTip().contains("reads as 12"));
  EXPECT_NE(Cell(30)->palette().color(QPalette::Base), Cell(29)->palette().color(QPalette::Base));
  EXPECT_TRUE(Cell(29)->toolTip().isEmpty());
  Type(Cell(30), "1");
  EXPECT_TRUE(Cell(30)->toolTip().isEmpty());
  EXPECT_EQ(Cell(30)->palette().color(QPalette::Base), Cell(29)->palette().color(QPalette::Base));
  EXPECT_FALSE(Cell(31)->toolTip().isEmpty());
  // The marks follow the texts wherever they go.
  Press(Qt::Key_Left, Qt::AltModifier);
  EXPECT_TRUE(Cell(31)->toolTip().isEmpty());
  EXPECT_TRUE(Cell(30)->toolTip().contains("reads as 12"));
  Press(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_TRUE(Cell(31)->toolTip().contains("reads as 12"));
}

// --- SAVE and LOAD ---

TEST_F(Form1FileTest, SaveWritesTheCellsThenLoadBringsThemBack) {
  const QString path = Path("grid.dat");
  Type(Cell(0), "3");
  Cell(139)->setText("あ");  // typed through an input method
  dialogs_->SetNextFileName(path);
  Click("Save");
  EXPECT_EQ(Contents(path), "3" + QByteArray(138, '0') + "\xE3\x81\x82\r\n");
  EXPECT_TRUE(dialogs_->questions.empty());
  const QString saved = CellsJoined();

  for (int i = 0; i < kCellCount; ++i) Cell(i)->setText("1");
  Click("Command1");
  const QString codes = RowCode(0)->text() + DataLine(1)->text();
  dialogs_->SetNextFileName(path);
  Click("LOAD");
  EXPECT_EQ(CellsJoined(), saved);
  EXPECT_EQ(RowCode(0)->text() + DataLine(1)->text(), codes);  // not recomputed
  EXPECT_EQ(dialogs_->file_dialogs, QStringList({"save", "open"}));
  EXPECT_TRUE(dialogs_->failures.empty());
}

// A name in any script loads and saves, one beyond every code page too: on
// Windows the name must reach the system's calls as it is.
TEST_F(Form1FileTest, NamesInAnyScriptLoadAndSave) {
  for (const QString& name : {QStringLiteral("スプライト.dat"), QStringLiteral("😀 sprite.dat")}) {
    SCOPED_TRACE(name.toStdString());
    const QString path = Path(name);
    Write(path, QByteArray(139, '0') + "3\r\n");
    dialogs_->SetNextFileName(path);
    Click("LOAD");
    EXPECT_EQ(Cell(139)->text(), "3");
    Type(Cell(0), "2");
    dialogs_->SetNextFileName(path);
    Click("Save");
    EXPECT_EQ(Contents(path), "2" + QByteArray(138, '0') + "3\r\n");
    EXPECT_TRUE(dialogs_->failures.empty()) << dialogs_->failures[0].text.toStdString();
    Type(Cell(0), "0");
  }
  EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

TEST_F(Form1FileTest, LoadShortLineEmptiesTheRestAndKeepsCodes) {
  const QString path = Path("short.dat");
  Write(path, "  0123,3333\r\n");
  Type(Cell(2), "x");
  Click("Command1");
  DataLine(0)->setText("kept");
  dialogs_->SetNextFileName(path);
  Click("LOAD");
  EXPECT_EQ(CellsJoined(), "0123");
  EXPECT_EQ(Cell(4)->text(), "");
  EXPECT_EQ(DataLine(0)->text(), "kept");
  // The marks describe the loaded cells: "x" became "2", cell 4 is empty.
  EXPECT_TRUE(Cell(2)->toolTip().isEmpty()) << Cell(2)->toolTip().toStdString();
  EXPECT_FALSE(Cell(4)->toolTip().isEmpty());
}

TEST_F(Form1FileTest, CancelDoesNothing) {
  const QString path = Path("grid.dat");
  dialogs_->SetNextFileName(path);
  Click("Save");
  const QByteArray before = Contents(path);
  Type(Cell(0), "2");
  const QStringList texts = AllTexts();
  dialogs_->SetNextFileName(QString());
  Click("Save");
  dialogs_->SetNextFileName(QString());
  Click("LOAD");
  EXPECT_EQ(Contents(path), before);
  EXPECT_EQ(AllTexts(), texts);
  EXPECT_TRUE(dialogs_->failures.empty());
  EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST_F(Form1FileTest, LoadFailuresLeaveTheGridAndSayWhy) {
  Write(Path("empty.dat"), "");
  QDir(folder_.path()).mkdir("folder.dat");
#ifdef _WIN32
  const QString not_regular = QStringLiteral("NUL");  // a device
#else
  const QString not_regular = Path("pipe.dat");
  ASSERT_EQ(::mkfifo(QFile::encodeName(not_regular).constData(), 0666), 0);
#endif
  struct Case {
    QString path;
    QString reason;
  };
  const std::vector<Case> cases = {
      {Path("missing.dat"), "cannot be read"},
      {Path("folder.dat"), "folder"},
      {Path("empty.dat"), "empty"},
      {not_regular, "not a regular file"},  // refused at once, never waited on
  };
  Type(Cell(9), "3");
  const QStringList texts = AllTexts();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path.toStdString());
    dialogs_->failures.clear();
    dialogs_->SetNextFileName(c.path);
    Click("LOAD");
    ASSERT_EQ(dialogs_->failures.size(), 1u);
    const QString message = dialogs_->failures[0].text;
    EXPECT_TRUE(message.contains(QDir::toNativeSeparators(c.path))) << message.toStdString();
    EXPECT_TRUE(message.contains(c.reason)) << message.toStdString();
    EXPECT_EQ(AllTexts(), texts);
  }
  EXPECT_TRUE(window_->isVisible());
}

// `gridcode FILE` opens FILE as LOAD does, and SAVE then offers it; a file
// that cannot be read gets LOAD's message and leaves the start-up grid.
TEST_F(Form1FileTest, OpensTheFileNamedOnTheCommandLine) {
  Write(Path("art.dat"), "0123\r\n");
  window_->Open(FileFromCommandLine({"gridcode", Path("missing.dat")}));
  ASSERT_EQ(dialogs_->failures.size(), 1u);
  EXPECT_TRUE(dialogs_->failures[0].text.contains("cannot be read"));
  EXPECT_EQ(CellsJoined(), QString(kCellCount, QLatin1Char('0')));
  const QString folder = QDir::currentPath();
  QDir::setCurrent(folder_.path());
  window_->Open(FileFromCommandLine({"gridcode", "art.dat"}));
  QDir::setCurrent(folder);
  EXPECT_EQ(CellsJoined(), "0123");
  EXPECT_EQ(dialogs_->offered, Path("art.dat"));
  EXPECT_EQ(dialogs_->failures.size(), 1u);
}

// A file dropped from a file manager, on a cell as anywhere, loads as with
// LOAD in one step; several files change nothing and say why.
TEST_F(Form1FileTest, ADroppedFileLoadsAndSeveralAreRefused) {
  Write(Path("a.dat"), "3333\r\n");
  const auto drop = [this](const QStringList& names) {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& name : names) urls << QUrl::fromLocalFile(Path(name));
    data.setUrls(urls);
    data.setText(Path(names.first()));
    QDragEnterEvent enter({5, 5}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Cell(20), &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Cell(20), &drop);
    QCoreApplication::processEvents();
  };
  const QString start = CellsJoined();
  drop({"a.dat", "a.dat"});
  ASSERT_EQ(dialogs_->failures.size(), 1u);
  EXPECT_TRUE(dialogs_->failures[0].text.contains("one file at a time"));
  EXPECT_EQ(CellsJoined(), start);
  drop({"a.dat"});
  EXPECT_EQ(CellsJoined(), "3333");
  EXPECT_EQ(dialogs_->offered, Path("a.dat"));
  Cell(0)->setFocus();
  Press(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(CellsJoined(), start);
}

// A link that is not a local file, dropped on a cell or anywhere else, is
// refused with a message and types nothing; plain text still lands in a cell.
TEST_F(Form1Test, ADroppedWebLinkIsRefusedAndPlainTextLandsInACell) {
  const auto drop = [](QWidget* target, const QMimeData& data) {
    QDragEnterEvent enter({5, 5}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDragMoveEvent move({5, 5}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    QCoreApplication::processEvents();
    return drop.isAccepted();
  };
  const QString link = QStringLiteral("http://example.com/x.dat");
  QMimeData web;
  web.setUrls({QUrl(link), QUrl::fromLocalFile(QDir::currentPath())});
  web.setText(link);
  const QStringList start = AllTexts();
  for (QWidget* target : {static_cast<QWidget*>(Cell(0)), static_cast<QWidget*>(window_.get())}) {
    SCOPED_TRACE(target->objectName().toStdString());
    dialogs_->failures.clear();
    EXPECT_FALSE(drop(target, web));
    ASSERT_EQ(dialogs_->failures.size(), 1u);
    EXPECT_TRUE(dialogs_->failures[0].text.contains(link))
        << dialogs_->failures[0].text.toStdString();
    EXPECT_EQ(AllTexts(), start);
  }
  EXPECT_FALSE(window_->findChild<QToolButton*>(QStringLiteral("Undo"))->isEnabled());

  QMimeData text;
  text.setText(QStringLiteral("3"));
  EXPECT_TRUE(drop(Cell(0), text));
  EXPECT_TRUE(Cell(0)->text().contains(QLatin1Char('3'))) << Cell(0)->text().toStdString();
  EXPECT_EQ(dialogs_->failures.size(), 1u);
}

TEST_F(Form1FileTest, FailedSaveKeepsTheOldFile) {
  const QString path = Path("grid.dat");
  Write(path, "old grid\r\n");
  QDir(folder_.path()).mkdir("folder.dat");
  for (const QString& target : {Path("folder.dat"), Path("no/such/folder/grid.dat")}) {
    dialogs_->failures.clear();
    dialogs_->SetNextFileName(target);
    Click("Save");
    ASSERT_EQ(dialogs_->failures.size(), 1u) << target.toStdString();
    EXPECT_TRUE(dialogs_->failures[0].text.contains(QDir::toNativeSeparators(target)));
  }
  EXPECT_EQ(Contents(path), "old grid\r\n");
  EXPECT_EQ(Cell(0)->text(), "0");
}

TEST_F(Form1FileTest, AsksBeforeSavingAGridThatWillNotLoadBack) {
  const QString path = Path("grid.dat");
  Type(Cell(16), "");
  Type(Cell(20), "12");

  dialogs_->SetNextAnswer(false);
  dialogs_->SetNextFileName(path);
  Click("Save");
  ASSERT_EQ(dialogs_->questions.size(), 1u);
  const QString question = dialogs_->questions[0].text;
  EXPECT_TRUE(question.contains("row 2, column 3 is empty")) << question.toStdString();
  EXPECT_TRUE(question.contains("row 2, column 7 holds “12”")) << question.toStdString();
  EXPECT_FALSE(QFile::exists(path));  // declined: nothing written

  dialogs_->SetNextAnswer(true);
  dialogs_->SetNextFileName(path);
  Click("Save");
  EXPECT_EQ(dialogs_->questions.size(), 2u);
  EXPECT_EQ(Contents(path).size(), 140 - 1 + 1 + 2);
}

// --- The bank ---

// The keys work with the focus in a cell; each sprite keeps its own texts;
// a thumbnail click shows its sprite; one history takes back every change in
// order, showing the sprite it changes.
TEST_F(Form1Test, TheBankKeepsEachSpriteAndOneHistoryForAll) {
  const auto tool = [this](const char* name) { return window_->findChild<QToolButton*>(name); };
  const auto count = [this] { return window_->findChild<QLabel*>("SpriteCount")->text(); };
  auto* thumbnails = window_->findChild<SpriteBankView*>("SpriteBank");
  ASSERT_NE(thumbnails, nullptr);
  EXPECT_EQ(count(), "1 / 1");
  EXPECT_FALSE(tool("DeleteSprite")->isEnabled());
  Type(Cell(0), "3");
  tool("CopySprite")->click();
  Type(Cell(1), "x");  // the picture and the thumbnail follow typing
  EXPECT_EQ(Drawn(1), 4);
  tool("NewSprite")->click();
  EXPECT_EQ(count(), "3 / 3");
  EXPECT_EQ(CellsJoined(), QString(kCellCount, QLatin1Char('0')));
  Cell(5)->setFocus();
  Press(Qt::Key_PageUp, Qt::ControlModifier);
  EXPECT_EQ(count(), "2 / 3");
  EXPECT_EQ(Cell(0)->text() + Cell(1)->text(), "3x");
  EXPECT_TRUE(Cell(1)->toolTip().contains("reads as 0"));
  Press(Qt::Key_PageDown, Qt::ControlModifier | Qt::ShiftModifier);  // moved last
  EXPECT_EQ(count(), "3 / 3");
  QTest::mouseClick(thumbnails->viewport(), Qt::LeftButton, Qt::NoModifier,
                    thumbnails->ThumbnailRect(0).center());
  EXPECT_EQ(count(), "1 / 3");
  EXPECT_EQ(Cell(0)->text() + Cell(1)->text(), "30");
  Press(Qt::Key_Backspace);  // the focus stays in a cell, which takes the keystroke
  tool("DeleteSprite")->click();
  EXPECT_EQ(count(), "1 / 2");

  // Back through the history: the deletion, the keystroke, the move, the new
  // sprite, then the typing in the copy, which shows it.
  const QStringList steps = {"1 / 3", "1 / 3", "2 / 3", "2 / 2", "2 / 2"};
  const QStringList cells = {"30", "30", "3x", "3x", "30"};
  for (int i = 0; i < steps.size(); ++i) {
    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(count(), steps[i]) << i;
    EXPECT_EQ(Cell(0)->text() + Cell(1)->text(), cells[i]) << i;
  }
  EXPECT_EQ(Drawn(1), 0);
}

// A listing opens as a bank in one step; SAVE over it changes only the codes
// of the sprite edited; undoing the open brings back the bank and the name.
TEST_F(Form1FileTest, AListingOpensAsABankAndSavesInPlace) {
  const QByteArray game =
      "10 REM GAME\r\n20 FOR I=1 TO 3:READ M:NEXT\r\n30 DATA 440,494,523\r\n"
      "40 DATA \"0000000\",\"0000000\",\"0000000\",\"0000000\",\"0000000\"\r\n"
      "50 DATA \"0000000\",\"0000000\",\"0000000\",\"0000000\",\"0000000\"\r\n"
      "60 data 1111111,2222222,3333333,1111111,2222222,3333333,1111111,2222222,"
      "3333333,1111111\r\n"
      "70 DATA \"fffffff\",\"fffffff\",\"fffffff\",\"fffffff\",\"fffffff\"\r\n"
      "80 DATA \"fffffff\",\"fffffff\",\"fffffff\",\"fffffff\",\"fffffff\"\r\n";
  Write(Path("game.bas"), game);
  Type(Cell(0), "2");
  dialogs_->SetNextFileName(Path("game.bas"));
  Click("LOAD");
  const auto count = [this] { return window_->findChild<QLabel*>("SpriteCount")->text(); };
  EXPECT_EQ(count(), "1 / 3");
  EXPECT_EQ(Cell(0)->text(), "0");
  Press(Qt::Key_PageDown, Qt::ControlModifier);
  Press(Qt::Key_PageDown, Qt::ControlModifier);
  EXPECT_EQ(Cell(0)->text(), "3");
  Type(Cell(0), "0");
  dialogs_->SetNextFileName(Path("game.bas"));
  Click("Save");
  QByteArray expected = game;
  expected.replace("70 DATA \"fffffff\"", "70 DATA \"3ffffff\"");
  EXPECT_EQ(Contents(Path("game.bas")), expected);
  EXPECT_TRUE(dialogs_->failures.empty());
  // A new name ending in .bas gets the bank as a program, which opens as it.
  dialogs_->SetNextFileName(Path("all.BAS"));
  Click("Save");
  const Expected<Listing, DecodeError> program =
      ReadListing(Contents(Path("all.BAS")).toStdString());
  ASSERT_TRUE(program.has_value());
  ASSERT_EQ(program->sprites.size(), 3u);
  EXPECT_EQ(program->sprites[2].codes[0], 0x3FFFFFF);

  Press(Qt::Key_Z, Qt::ControlModifier);  // the typing
  Press(Qt::Key_Z, Qt::ControlModifier);  // the open
  EXPECT_EQ(count(), "1 / 1");
  EXPECT_EQ(Cell(0)->text(), "2");
  EXPECT_EQ(dialogs_->file_dialogs.last(), "forget");
}

}  // namespace
}  // namespace gridcode
