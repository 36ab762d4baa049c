#include "window/qt_dialogs.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

namespace gridcode {
namespace {

// Why a test that types into the toolkit's own file dialog skips on a system
// whose dialog is its own (Windows): it has no name field to type into.
constexpr char kNativeDialog[] = "the system's own file dialog takes no typing from a test";

// Once `parent`'s file dialog is shown, hands it and its name field to `act`.
// A system's own dialog has no name field: it is rejected at once, and
// `native` says so.
void WhenShown(QWidget& parent, bool& native,
               const std::function<void(QFileDialog&, QLineEdit&)>& act) {
  QTimer::singleShot(0, &parent, [&parent, &native, act] {
    auto* dialog = parent.findChild<QFileDialog*>(QStringLiteral("DLG"));
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    native = name == nullptr;
    if (native) return dialog->reject();
    act(*dialog, *name);
  });
}

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
    WhenShown(parent, native, [&](QFileDialog& dialog, QLineEdit& name) {
      dialog.setDirectory(folder.path());
      QTest::qWait(300);  // the folder's files are listed in the background
      name.setText(c.typed);
      auto* box = dialog.findChild<QDialogButtonBox*>();
      QAbstractButton* accept = nullptr;
      for (QAbstractButton* button : box->buttons()) {
        if (box->buttonRole(button) == QDialogButtonBox::AcceptRole) accept = button;
      }
      accepted = QTest::qWaitFor([&] { return accept->isEnabled(); }, 3000);
      if (accepted) {
        accept->click();
      } else {
        dialog.reject();
      }
    });
    const QString chosen = c.save ? dialogs.SaveFileName() : dialogs.OpenFileName();
    if (native) GTEST_SKIP() << kNativeDialog;
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
    WhenShown(parent, native, [&](QFileDialog& dialog, QLineEdit& name) {
      dialog.setDirectory(folder.path());
      name.setText("art.png");
      QMetaObject::invokeMethod(&dialog, "accept");
    });
    const QString chosen = dialogs.OpenFileName();
    if (native) GTEST_SKIP() << kNativeDialog;
    ASSERT_EQ(chosen, folder.filePath(QStringLiteral("art.png")));
    if (forget) dialogs.ForgetFileName();
    WhenShown(parent, native, [&](QFileDialog& dialog, QLineEdit& name) {
      offered << name.text();
      dialog.reject();
    });
    EXPECT_EQ(dialogs.SaveFileName(), QString());
  }
  EXPECT_EQ(offered, QStringList({"art.png", ""}));
}

// A name typed and taken with Enter while the list of names completing it is
// open leaves no list over the window. A file opened without the dialog, from
// another folder, is the one it offers next.
TEST(QtDialogsTest, LeavesNoListOpenAndOffersAFileOpenedWithoutIt) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("other")));
  for (const char* name : {"art1.dat", "art2.dat", "other/art3.dat"}) {
    QFile file(folder.filePath(QLatin1String(name)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  QWidget parent;
  QtDialogs dialogs(&parent);
  bool native = false;
  WhenShown(parent, native, [&](QFileDialog& dialog, QLineEdit& name) {
    dialog.setDirectory(folder.path());
    QTest::qWait(300);  // the folder's files are listed in the background
    QTest::keyClicks(&name, QStringLiteral("art1.dat"));
    QWidget* list = QApplication::activePopupWidget();  // which takes the keys while open
    QTest::keyClick(list != nullptr ? list : &name, Qt::Key_Return);
  });
  const QString opened = dialogs.OpenFileName();
  if (native) GTEST_SKIP() << kNativeDialog;
  EXPECT_EQ(opened, folder.filePath(QStringLiteral("art1.dat")));
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);

  dialogs.OfferFileName(folder.filePath(QStringLiteral("other/art3.dat")));
  QStringList offered;
  WhenShown(parent, native, [&](QFileDialog& dialog, QLineEdit& name) {
    offered << dialog.directory().path() << name.text();
    dialog.reject();
  });
  EXPECT_EQ(dialogs.SaveFileName(), QString());
  EXPECT_EQ(offered, QStringList({folder.filePath(QStringLiteral("other")), "art3.dat"}));
}

}  // namespace
}  // namespace gridcode
