// The modal questions the window asks: which file, and the message boxes.
//
// The window asks through this interface so that tests can answer without a
// modal event loop; `QtDialogs` is the real one.

#ifndef GRIDCODE_WINDOW_DIALOGS_H_
#define GRIDCODE_WINDOW_DIALOGS_H_

#include <QString>

namespace gridcode {

class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // Asks for a file to save the grid to; returns its path, or an empty text
  // if the user cancelled. Asks before replacing an existing file.
  virtual QString SaveFileName() = 0;

  // Asks for an existing file to load; returns its path, or an empty text if
  // the user cancelled.
  virtual QString OpenFileName() = 0;

  // Makes the file dialog offer no name next time, so that the name of a file
  // that could not be loaded is not offered for saving.
  virtual void ForgetFileName() = 0;

  // Makes the file dialog offer the file at `path` next time, as after
  // choosing it, for a file opened without the dialog.
  virtual void OfferFileName(const QString& path) = 0;

  // Reports a failure and waits until the user has read it.
  virtual void ShowFailure(const QString& title, const QString& message) = 0;

  // Asks a yes-or-no question; returns true for yes.
  virtual bool Confirm(const QString& title, const QString& question) = 0;
};

}  // namespace gridcode

#endif  // GRIDCODE_WINDOW_DIALOGS_H_
