// Dialogs answered by the test: file names and answers are queued beforehand,
// and every message shown is recorded.

#ifndef GRIDCODE_TESTS_WINDOW_FAKE_DIALOGS_H_
#define GRIDCODE_TESTS_WINDOW_FAKE_DIALOGS_H_

#include <QString>
#include <QStringList>
#include <deque>

#include "window/dialogs.h"

namespace gridcode {

class FakeDialogs : public Dialogs {
 public:
  struct Message {
    QString title, text;
  };

  // The next file dialog returns `path`; an empty path is a cancel.
  void SetNextFileName(const QString& path) { file_names_.push_back(path); }
  void SetNextAnswer(bool yes) { answers_.push_back(yes); }

  QString SaveFileName() override { return NextFileName(QStringLiteral("save")); }
  QString OpenFileName() override { return NextFileName(QStringLiteral("open")); }
  void ForgetFileName() override { file_dialogs << QStringLiteral("forget"); }
  void OfferFileName(const QString& path) override {
    file_dialogs << QStringLiteral("offer");
    offered = path;
  }
  void ShowFailure(const QString& title, const QString& message) override {
    failures.push_back({title, message});
  }
  bool Confirm(const QString& title, const QString& question) override {
    questions.push_back({title, question});
    if (answers_.empty()) return false;
    const bool answer = answers_.front();
    answers_.pop_front();
    return answer;
  }

  std::vector<Message> failures;
  std::vector<Message> questions;
  QStringList file_dialogs;  // "save", "open", "forget" or "offer", in the order asked
  QString offered;           // the path last offered

 private:
  QString NextFileName(const QString& mode) {
    file_dialogs << mode;
    if (file_names_.empty()) return {};
    QString path = file_names_.front();
    file_names_.pop_front();
    return path;
  }

  std::deque<QString> file_names_;
  std::deque<bool> answers_;
};

}  // namespace gridcode

#endif  // GRIDCODE_TESTS_WINDOW_FAKE_DIALOGS_H_
