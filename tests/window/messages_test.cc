#include "window/messages.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QRegularExpression>
#include <map>

#include "support/failures.h"

namespace gridcode {
namespace {

const QString kPath = QStringLiteral("/home/user/sprite.dat");

// The window's wording of `failure`: a program's cells it never writes.
std::optional<Message> Describe(const AnyFailure& failure, const Cells& cells) {
  if (const auto* error = std::get_if<FileError>(&failure)) {
    return error->kind == FileError::Kind::kCannotWrite ? Form1Messages::CannotSave(kPath, *error)
                                                        : Form1Messages::CannotOpen(kPath, *error);
  }
  if (const auto* error = std::get_if<GridFileError>(&failure)) {
    return Form1Messages::CannotOpen(kPath, *error);
  }
  if (const auto* error = std::get_if<ImportError>(&failure)) {
    return Form1Messages::CannotOpen(kPath, *error);
  }
  if (const auto* error = std::get_if<DecodeError>(&failure)) {
    return Form1Messages::CannotOpen(kPath, *error);
  }
  if (const auto* error = std::get_if<ListingSaveError>(&failure)) {
    return error->needs_consent() ? Form1Messages::ListingConsentQuestion(kPath, *error)
                                  : Form1Messages::CannotSaveListing(kPath, *error);
  }
  if (const auto* error = std::get_if<Overflow>(&failure)) {
    return Form1Messages::Overflowed(*error, cells);
  }
  if (const auto* error = std::get_if<RenderError>(&failure)) {
    return Form1Messages::CannotSavePicture(kPath, *error, cells);
  }
  return std::nullopt;
}

// The facts the window shows of `c`: its place in the file among them, and of
// a sprite's cell its row and column but not its text, which is not at hand.
FailureCase WindowFacts(FailureCase c) {
  c.numbers.insert(c.numbers.end(), c.place.begin(), c.place.end());
  const auto* error = std::get_if<ListingSaveError>(&c.failure);
  if (error != nullptr && error->kind == ListingSaveError::Kind::kUnusualCell) c.texts.clear();
  return c;
}

TEST(WindowMessagesTest, EveryFailureShowsItsFactsAndEveryPlaceholderIsFilled) {
  const Cells cells = FailureCells();
  std::map<QString, std::string> said;
  for (const FailureCase& c : Failures()) {
    SCOPED_TRACE(c.name);
    const std::optional<Message> message = Describe(c.failure, cells);
    if (!message) continue;
    const std::string text = message->text.toStdString();
    EXPECT_FALSE(message->title.isEmpty()) << text;
    ExpectShowsFacts(WindowFacts(c), text);
    if (!std::holds_alternative<Overflow>(c.failure) &&
        !std::holds_alternative<RenderError>(c.failure)) {
      EXPECT_TRUE(message->text.contains(QDir::toNativeSeparators(kPath))) << text;
    }
    EXPECT_FALSE(message->text.contains(QRegularExpression(QStringLiteral("%[0-9]")))) << text;
    const auto [earlier, added] = said.emplace(message->text, c.name);
    EXPECT_TRUE(added) << "worded like " << earlier->second << ": " << text;
  }
}

}  // namespace
}  // namespace gridcode
