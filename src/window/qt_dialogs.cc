#include "window/qt_dialogs.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QMessageBox>

#include "window/file_filter.h"

namespace gridcode {
namespace {

// Returns the filter chosen in `dialog` as it was given to it, "description
// (patterns)": the dialog names it without its patterns, as it shows it.
QString ChosenFilter(const QFileDialog& dialog) {
  QString chosen = dialog.selectedNameFilter();
  for (const QString& filter : dialog.nameFilters()) {
    if (filter == chosen || filter.startsWith(chosen + QStringLiteral(" ("))) return filter;
  }
  return chosen;
}

}  // namespace

QtDialogs::QtDialogs(QWidget* parent) : parent_(parent) {}

QFileDialog& QtDialogs::FileDialog() {
  if (!DLG) {
    DLG = new QFileDialog(parent_, kDialogTitle);
    DLG->setObjectName(QStringLiteral("DLG"));
    DLG->setOption(QFileDialog::HideNameFilterDetails);
    DLG->setNameFilters(NameFilters(kDialogFilter));
    // Files that the chosen filter leaves out are listed greyed rather than
    // hidden, so that typing the name of one opens it: the dialog accepts
    // only names its model holds. A proxy model is the dialog's way in to
    // that model; a native dialog has neither, and takes any name.
    auto* files = new QIdentityProxyModel(DLG);
    DLG->setProxyModel(files);
    if (auto* model = qobject_cast<QFileSystemModel*>(files->sourceModel())) {
      model->setNameFilterDisables(true);
    }
    QObject::connect(DLG, &QFileDialog::filterSelected, DLG, [this] { UpdateDefaultSuffix(); });
  }
  return *DLG;
}

void QtDialogs::UpdateDefaultSuffix() {
  // A name typed without an extension gets ".dat" when saving with the data
  // filter chosen. When opening, a typed name is taken as it stands, so that
  // an existing file opens whatever filter is chosen.
  const bool data_filter = ChosenFilter(*DLG) == DLG->nameFilters().value(0);
  const bool saving = DLG->acceptMode() == QFileDialog::AcceptSave;
  DLG->setDefaultSuffix(saving && data_filter ? QStringLiteral("dat") : QString());
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
  // The dialog keeps the name last chosen, and empties it for nothing but
  // the user (selectFile() passes over an empty name): a new dialog takes
  // its place, in the same folder, with the same filter and history.
  if (!DLG) return;
  const QByteArray state = DLG->saveState();
  const QUrl folder = DLG->directoryUrl();
  const QString filter = ChosenFilter(*DLG);
  delete DLG;
  QFileDialog& dialog = FileDialog();
  dialog.restoreState(state);
  dialog.setDirectoryUrl(folder);
  dialog.selectNameFilter(filter);
}

void QtDialogs::ShowFailure(const QString& title, const QString& message) {
  QMessageBox::warning(parent_, title, message);
}

bool QtDialogs::Confirm(const QString& title, const QString& question) {
  return QMessageBox::question(parent_, title, question, QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace gridcode
