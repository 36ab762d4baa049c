#include "window/qt_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QMessageBox>
#include <utility>

#include "window/file_filter.h"

namespace gridcode {

QtDialogs::QtDialogs(QWidget* parent) : parent_(parent) {}

QFileDialog& QtDialogs::FileDialog() {
  if (!DLG) {
    DLG = new QFileDialog(parent_, kDialogTitle);
    DLG->setObjectName(QStringLiteral("DLG"));
    DLG->setOption(QFileDialog::HideNameFilterDetails);
    DLG->setNameFilters(NameFilters(kDialogFilter));
    // Files that the chosen filter leaves out are listed greyed rather than
    // hidden, so that typing the name of one opens it: the dialog accepts
    // only names it lists.
    if (auto* model = DLG->findChild<QFileSystemModel*>()) model->setNameFilterDisables(true);
    QObject::connect(DLG, &QFileDialog::filterSelected, DLG, [this] { UpdateDefaultSuffix(); });
  }
  return *DLG;
}

void QtDialogs::UpdateDefaultSuffix() {
  // A name typed without an extension gets ".dat" when saving with the data
  // filter chosen. When opening, a typed name is taken as it stands, so that
  // an existing file opens whatever filter is chosen.
  // The dialog names the chosen filter without its patterns, as it shows it.
  const QString chosen = DLG->selectedNameFilter(), data = DLG->nameFilters().value(0);
  const bool data_filter = chosen == data || data.startsWith(chosen + QStringLiteral(" ("));
  const bool saving = DLG->acceptMode() == QFileDialog::AcceptSave;
  DLG->setDefaultSuffix(saving && data_filter ? QStringLiteral("dat") : QString());
}

QString QtDialogs::ChooseFile() {
  QFileDialog& dialog = FileDialog();
  if (!offered_.isEmpty()) dialog.selectFile(std::exchange(offered_, QString()));
  const int result = dialog.exec();
  // A popup of the dialog, such as the list of names completing a typed one,
  // can outlast it when a name is taken with Enter, and would stay over Form1
  // and swallow the next click.
  while (QWidget* popup = QApplication::activePopupWidget()) {
    popup->hide();
    if (popup == QApplication::activePopupWidget()) break;
  }
  if (result != QDialog::Accepted) return {};
  const QStringList chosen = dialog.selectedFiles();
  return chosen.isEmpty() ? QString() : chosen.first();
}

QString QtDialogs::SaveFileName() {
  QFileDialog& dialog = FileDialog();
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  UpdateDefaultSuffix();
  return ChooseFile();
}

QString QtDialogs::OpenFileName() {
  QFileDialog& dialog = FileDialog();
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  UpdateDefaultSuffix();
  return ChooseFile();
}

void QtDialogs::ForgetFileName() {
  // The dialog keeps the name last chosen in its name field, and empties it
  // for nothing but the user; selectFile() ignores an empty name.
  offered_.clear();
  if (!DLG) return;
  if (auto* name = DLG->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) name->clear();
}

void QtDialogs::OfferFileName(const QString& path) { offered_ = path; }

void QtDialogs::ShowFailure(const QString& title, const QString& message) {
  QMessageBox::warning(parent_, title, message);
}

bool QtDialogs::Confirm(const QString& title, const QString& question) {
  return QMessageBox::question(parent_, title, question, QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace gridcode
