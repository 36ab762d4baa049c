#include "window/qt_dialogs.h"

#include <QFileDialog>
#include <QMessageBox>

#include "window/file_filter.h"

namespace gridcode {

QtDialogs::QtDialogs(QWidget* parent) : parent_(parent) {}

QFileDialog& QtDialogs::FileDialog() {
  if (!DLG) {
    DLG = new QFileDialog(parent_, kDialogTitle);
    DLG->setObjectName(QStringLiteral("DLG"));
    DLG->setOption(QFileDialog::HideNameFilterDetails);
    const QStringList filters = NameFilters(kDialogFilter);
    DLG->setNameFilters(filters);
    // Names typed without an extension get ".dat" while the first filter is chosen.
    const QString data_filter = filters.value(0);
    QObject::connect(
        DLG, &QFileDialog::filterSelected, DLG, [dialog = DLG, data_filter](const QString& filter) {
          dialog->setDefaultSuffix(filter == data_filter ? QStringLiteral("dat") : QString());
        });
    DLG->setDefaultSuffix(QStringLiteral("dat"));
  }
  return *DLG;
}

QString QtDialogs::ChooseFile() {
  QFileDialog& dialog = FileDialog();
  if (dialog.exec() != QDialog::Accepted) return {};
  const QStringList chosen = dialog.selectedFiles();
  return chosen.isEmpty() ? QString() : chosen.first();
}

QString QtDialogs::SaveFileName() {
  QFileDialog& dialog = FileDialog();
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  return ChooseFile();
}

QString QtDialogs::OpenFileName() {
  QFileDialog& dialog = FileDialog();
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  return ChooseFile();
}

void QtDialogs::ShowFailure(const QString& title, const QString& message) {
  QMessageBox::warning(parent_, title, message);
}

bool QtDialogs::Confirm(const QString& title, const QString& question) {
  return QMessageBox::question(parent_, title, question, QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace gridcode
