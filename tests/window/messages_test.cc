#include "window/messages.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <map>

#include "support/failures.h"

namespace gridcode {
namespace {

// The window's wording of `failure`: a listing's DATA statements it never reads.
std::optional<QString> Describe(const AnyFailure& failure, const Cells& cells) {
  const QString path = QStringLiteral("/home/user/sprite.dat");
  if (const auto* error = std::get_if<FileError>(&failure)) {
    return error->kind == FileError::Kind::kCannotWrite
               ? Form1Messages::CannotSave(path, *error).text
               : Form1Messages::CannotLoad(path, *error).text;
  }
  if (const auto* error = std::get_if<GridFileError>(&failure)) {
    return Form1Messages::CannotLoad(path, *error).text;
  }
  if (const auto* error = std::get_if<ImportError>(&failure)) {
    return Form1Messages::CannotLoad(path, *error).text;
  }
  if (const auto* error = std::get_if<Overflow>(&failure)) {
    return Form1Messages::Overflowed(*error, cells).text;
  }
  if (const auto* error = std::get_if<RenderError>(&failure)) {
    return Form1Messages::CannotSavePicture(path, *error, cells).text;
  }
  return std::nullopt;
}

TEST(WindowMessagesTest, EveryFailureShowsItsFactsAndEveryPlaceholderIsFilled) {
  const Cells cells = FailureCells();
  std::map<QString, std::string> said;
  for (const FailureCase& c : Failures()) {
    SCOPED_TRACE(c.name);
    const std::optional<QString> message = Describe(c.failure, cells);
    if (!message) continue;
    ExpectShowsFacts(c, message->toStdString());
    EXPECT_FALSE(message->contains(QRegularExpression(QStringLiteral("%[0-9]"))))
        << message->toStdString();
    const auto [earlier, added] = said.emplace(*message, c.name);
    EXPECT_TRUE(added) << "worded like " << earlier->second << ": " << message->toStdString();
  }
}

}  // namespace
}  // namespace gridcode
