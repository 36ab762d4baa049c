// The window under test, with dialogs the test answers, and the helpers that
// find its fields by object name and drive them as a user does.

#ifndef GRIDCODE_TESTS_WINDOW_FORM1_FIXTURE_H_
#define GRIDCODE_TESTS_WINDOW_FORM1_FIXTURE_H_

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <memory>

#include "fake_dialogs.h"
#include "window/form1.h"
#include "window/grid_picture_view.h"

// Lets test failures print texts readably.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace gridcode {

// The texts of the 140 cells as the fields show them, in index order.
using CellTexts = std::array<QString, kCellCount>;

class Form1Test : public ::testing::Test {
 protected:
  void SetUp() override {
    auto dialogs = std::make_unique<FakeDialogs>();
    dialogs_ = dialogs.get();
    window_ = std::make_unique<Form1>(std::move(dialogs));
    window_->show();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  }

  QLineEdit* Field(const QString& array, int index) const {
    return window_->findChild<QLineEdit*>(QStringLiteral("%1_%2").arg(array).arg(index));
  }
  QLineEdit* Cell(int index) const { return Field(QStringLiteral("Text1"), index); }
  QLineEdit* RowCode(int row) const { return Field(QStringLiteral("Text2"), row); }
  QLineEdit* DataLine(int line) const { return Field(QStringLiteral("Text3"), line); }
  QPushButton* Button(const char* name) const {
    return window_->findChild<QPushButton*>(QLatin1String(name));
  }

  // Replaces the text of `field` by typing, as a user would.
  static void Type(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
  }
  void Click(const char* button) const { QTest::mouseClick(Button(button), Qt::LeftButton); }

  GridPictureView* Picture() const {
    return window_->findChild<GridPictureView*>(QStringLiteral("Picture"));
  }
  // The palette index drawn for cell `index`.
  int Drawn(int index) const {
    return Picture()->image().pixelIndex(ColumnOf(index), RowOf(index));
  }
  // The middle of the square of the cell at `row`, `column`, in the picture.
  QPoint Middle(int row, int column) const {
    const int cell = (Picture()->width() - 2 * GridPictureView::kFrame) / kColumns;
    return {GridPictureView::kFrame + column * cell + cell / 2,
            GridPictureView::kFrame + row * cell + cell / 2};
  }
  // Presses `button` at the first point, moves through the others with it
  // held, one mouse event each, and lets go at the last.
  void Stroke(Qt::MouseButton button, const QList<QPoint>& points) const {
    QWidget* picture = Picture();
    QTest::mousePress(picture, button, Qt::NoModifier, points.first());
    for (const QPoint& point : points.mid(1)) {
      QMouseEvent move(QEvent::MouseMove, point, picture->mapToGlobal(point), Qt::NoButton, button,
                       Qt::NoModifier);
      QApplication::sendEvent(picture, &move);
    }
    QTest::mouseRelease(picture, button, Qt::NoModifier, points.last());
  }
  // The texts of the row codes and DATA lines.
  QStringList Codes() const {
    QStringList codes;
    for (int row = 0; row < kRows; ++row) codes << RowCode(row)->text();
    return codes << DataLine(0)->text() << DataLine(1)->text();
  }
  // Presses `key` as a user does, into whatever has the focus.
  static void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
  }

  QStringList AllTexts() const {
    QStringList texts;
    for (QLineEdit* field : window_->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly))
      texts << field->text();
    return texts;
  }
  CellTexts Texts() const {
    CellTexts texts;
    for (int i = 0; i < kCellCount; ++i) texts[i] = Cell(i)->text();
    return texts;
  }
  QString CellsJoined() const {
    QString joined;
    for (int i = 0; i < kCellCount; ++i) joined += Cell(i)->text();
    return joined;
  }

  static QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
  }
  static void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }

  FakeDialogs* dialogs_ = nullptr;
  std::unique_ptr<Form1> window_;
};

// A window with a folder of its own for the files it saves and loads.
class Form1FileTest : public Form1Test {
 protected:
  void SetUp() override {
    Form1Test::SetUp();
    ASSERT_TRUE(folder_.isValid());
  }
  QString Path(const QString& name) const { return folder_.filePath(name); }

  QTemporaryDir folder_;
};

}  // namespace gridcode

#endif  // GRIDCODE_TESTS_WINDOW_FORM1_FIXTURE_H_
