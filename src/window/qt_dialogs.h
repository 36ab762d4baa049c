// The real dialogs: one file dialog, `DLG`, made on first use and kept for the
// whole run (so it remembers its folder and filter), and the toolkit's
// message boxes.

#ifndef GRIDCODE_WINDOW_QT_DIALOGS_H_
#define GRIDCODE_WINDOW_QT_DIALOGS_H_

#include <QPointer>

#include "window/dialogs.h"

class QFileDialog;
class QWidget;

namespace gridcode {

class QtDialogs : public Dialogs {
 public:
  // The dialogs are modal to `parent`, which owns the file dialog.
  explicit QtDialogs(QWidget* parent);

  QString SaveFileName() override;
  QString OpenFileName() override;
  void ForgetFileName() override;
  void ShowFailure(const QString& title, const QString& message) override;
  bool Confirm(const QString& title, const QString& question) override;

 private:
  // Returns `DLG`, making it on first use.
  QFileDialog& FileDialog();
  // Sets the extension that `DLG` adds to a typed name, for its mode and filter.
  void UpdateDefaultSuffix();
  // Shows `DLG` in the mode set; returns the chosen path or an empty text.
  QString ChooseFile();

  QWidget* parent_;
  QPointer<QFileDialog> DLG;
};

}  // namespace gridcode

#endif  // GRIDCODE_WINDOW_QT_DIALOGS_H_
