#include "window/qt_dialogs.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace gridcode {
namespace {

// Drives the real file dialog as a user does: types a name and presses the
// accept button, which must be enabled.
TEST(QtDialogsTest, TypedNamesOpenAsTheyStandAndSavingAddsDat) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  for (const char* name : {"plain", "plain.txt"}) {
    QFile file(folder.filePath(QLatin1String(name)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  QWidget parent;
  QtDialogs dialogs(&parent);
  struct Case {
    bool save;
    QString typed, chosen;
  };
  const std::vector<Case> cases = {
      {false, QStringLiteral("plain"), QStringLiteral("plain")},
      {false, QStringLiteral("plain.txt"), QStringLiteral("plain.txt")},
      {true, QStringLiteral("new"), QStringLiteral("new.dat")},
      {false, QStringLiteral("plain"), QStringLiteral("plain")},  // after a save, too
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed.toStdString());
    bool accepted = false, native = false;
    QTimer::singleShot(0, &parent, [&] {
      auto* dialog = parent.findChild<QFileDialog*>(QStringLiteral("DLG"));
      auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
      native = name == nullptr;
      if (native) return dialog->reject();
      dialog->setDirectory(folder.path());
      QTest::qWait(300);  // the folder's files are listed in the background
      name->setText(c.typed);
      auto* box = dialog->findChild<QDialogButtonBox*>();
      QAbstractButton* accept = nullptr;
      for (QAbstractButton* button : box->buttons()) {
        if (box->buttonRole(button) == QDialogButtonBox::AcceptRole) accept = button;
      }
      accepted = QTest::qWaitFor([&] { return accept->isEnabled(); }, 3000);
      if (accepted) {
        accept->click();
      } else {
        dialog->reject();
      }
    });
    const QString chosen = c.save ? dialogs.SaveFileName() : dialogs.OpenFileName();
    if (native) GTEST_SKIP() << "the system's own file dialog takes no typing from a test";
    EXPECT_TRUE(accepted) << "the accept button stayed disabled";
    EXPECT_EQ(chosen.toStdString(), folder.filePath(c.chosen).toStdString());
  }
}

// After a file could not be loaded, the save dialog offers no name, so that
// SAVE cannot write over that file by a press of Return.
TEST(QtDialogsTest, AForgottenNameIsNotOfferedAgain) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  QFile(folder.filePath(QStringLiteral("art.png"))).open(QIODevice::WriteOnly);
  QWidget parent;
  QtDialogs dialogs(&parent);
  QStringList offered;
  for (const bool forget : {false, true}) {
    bool native = false;
    QTimer::singleShot(0, &parent, [&] {
      auto* dialog = parent.findChild<QFileDialog*>(QStringLiteral("DLG"));
      auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
      native = name == nullptr;
      if (native) return dialog->reject();
      dialog->setDirectory(folder.path());
      name->setText("art.png");
      QMetaObject::invokeMethod(dialog, "accept");
    });
    const QString chosen = dialogs.OpenFileName();
    if (native) GTEST_SKIP() << "the system's own file dialog takes no typing from a test";
    ASSERT_EQ(chosen, folder.filePath(QStringLiteral("art.png")));
    if (forget) dialogs.ForgetFileName();
    QTimer::singleShot(0, &parent, [&] {
      auto* dialog = parent.findChild<QFileDialog*>(QStringLiteral("DLG"));
      offered << dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
      dialog->reject();
    });
    EXPECT_EQ(dialogs.SaveFileName(), QString());
  }
  EXPECT_EQ(offered, QStringList({"art.png", ""}));
}

}  // namespace
}  // namespace gridcode
