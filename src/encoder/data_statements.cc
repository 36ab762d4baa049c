#include "encoder/data_statements.h"

#include <sstream>

namespace gridcode {
namespace {

Unexpected<DecodeError> Failure(DecodeError error) { return Unexpected(error); }

}  // namespace

DecodeError RefusedLine(const ListingLines& lines, ListingLines::Result result) {
  return {.kind = result == ListingLines::Result::kTooLong
                      ? DecodeError::Kind::kLineTooLong
                      : DecodeError::Kind::kUtf16WithoutByteOrderMark,
          .position = {lines.number(), 1}};
}

Expected<Cells, DecodeError> DecodeDataStatements(std::istream& input, int sprite) {
  ListingLines lines(*input.rdbuf());
  ScannedLine scanned;
  SpriteRuns runs;
  RowCodes codes{};
  std::string text;
  TextPosition end = {1, 1};
  while (runs.sprites() < sprite) {
    const ListingLines::Result result = lines.Next(text);
    if (result == ListingLines::Result::kEnd) {
      if (runs.sprites() > 0) {
        return Failure({.kind = DecodeError::Kind::kNoSuchSprite,
                        .position = end,
                        .count = static_cast<int>(runs.sprites()),
                        .sprite = sprite});
      }
      return Failure({.kind = DecodeError::Kind::kTooFewRowCodes,
                      .position = end,
                      .count = static_cast<int>(runs.longest_run())});
    }
    if (result != ListingLines::Result::kLine) return Failure(RefusedLine(lines, result));
    ScanLine(text, scanned);
    // A line may hold more items than the sprite needs; those are not read.
    for (std::size_t i = 0; i < scanned.items.size() && runs.sprites() < sprite; ++i) {
      const std::optional<RowCode>& code = scanned.items[i].code;
      const std::optional<int> row = runs.Take(code.has_value());
      // The rows of a run are kept until it proves to be the sprite asked for.
      if (row) codes[*row] = code->value;
    }
    end = lines.ended_with_line_end()
              ? TextPosition{lines.number() + 1, 1}
              : TextPosition{lines.number(), static_cast<std::int64_t>(text.size()) + 1};
  }
  return CellsOfRowCodes(codes);
}

Expected<Cells, DecodeError> DecodeDataStatements(std::string_view text, int sprite) {
  std::istringstream input{std::string(text)};
  return DecodeDataStatements(input, sprite);
}

}  // namespace gridcode
