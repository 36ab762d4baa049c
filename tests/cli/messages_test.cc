#include "cli/messages.h"

#include <gtest/gtest.h>

#include <map>

#include "support/failures.h"

namespace gridcode {
namespace {

// gridcode-data's wording of `failure`: one line of its own words; an
// overflow it never meets, since its grids hold one character a cell.
std::optional<std::string> Describe(const AnyFailure& failure, const Cells& cells) {
  if (const auto* error = std::get_if<FileError>(&failure)) return DescribeFileError(*error);
  if (const auto* error = std::get_if<GridFileError>(&failure))
    return DescribeGridFileError(*error);
  if (const auto* error = std::get_if<ImportError>(&failure)) return DescribeImportError(*error);
  if (const auto* error = std::get_if<DecodeError>(&failure)) return DescribeDecodeError(*error);
  if (const auto* error = std::get_if<RenderError>(&failure)) {
    return DescribeRenderError(*error, cells);
  }
  if (const auto* error = std::get_if<UnusualCell>(&failure)) {
    return DescribeUnusualCell(*error, cells);
  }
  if (const auto* error = std::get_if<ListingSaveError>(&failure)) {
    return DescribeListingSaveError(*error, cells);
  }
  return std::nullopt;
}

TEST(CliMessagesTest, EveryFailureIsOneLineThatShowsItsFacts) {
  const Cells cells = FailureCells();
  std::map<std::string, std::string> said;
  for (const FailureCase& c : Failures()) {
    SCOPED_TRACE(c.name);
    const std::optional<std::string> message = Describe(c.failure, cells);
    if (!message) continue;
    ExpectShowsFacts(c, *message);
    EXPECT_EQ(message->find('\n'), std::string::npos) << *message;
    const auto [earlier, added] = said.emplace(*message, c.name);
    EXPECT_TRUE(added) << "worded like " << earlier->second << ": " << *message;
  }
}

}  // namespace
}  // namespace gridcode
