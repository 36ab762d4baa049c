#include "encoder/data_lines.h"

#include <cmath>

#include "encoder/cell_value.h"
#include "encoder/pair_text.h"

namespace gridcode {

Expected<std::string, Overflow> EncodeRow(const Cells& cells, int row) {
  const auto overflow_at = [row](Overflow::Cause cause, int column, double pair_value = 0) {
    return Unexpected(Overflow{cause, row, column, pair_value});
  };
  std::string code;
  for (int left_column = 0; left_column < kColumns; left_column += 2) {
    const std::optional<double> left = CellValue(cells[CellIndex(row, left_column)]);
    if (!left) return overflow_at(Overflow::Cause::kCellBeyondDoubleRange, left_column);
    const double product = 4 * *left;
    if (!std::isfinite(product)) {
      return overflow_at(Overflow::Cause::kProductBeyondDoubleRange, left_column);
    }
    const std::optional<double> right = CellValue(cells[CellIndex(row, left_column + 1)]);
    if (!right) return overflow_at(Overflow::Cause::kCellBeyondDoubleRange, left_column + 1);
    const double pair_value = product + *right;
    const std::optional<std::string> text = PairText(pair_value);
    if (!text) return overflow_at(Overflow::Cause::kPairBeyond32Bits, left_column, pair_value);
    code += *text;
  }
  return code;
}

std::optional<Overflow> BuildDataLines(GridDocument& document) {
  for (int row = 0; row < kRows; ++row) {
    Expected<std::string, Overflow> code = EncodeRow(document.cells, row);
    if (!code) return code.error();
    document.row_codes[row] = std::move(*code);
  }
  // The lines are made from the row-code texts just written.
  const std::span<const std::string> codes = document.row_codes;
  for (int line = 0; line < kDataLineCount; ++line) {
    document.data_lines[line] = DataLine(
        codes.subspan(static_cast<std::size_t>(line) * kRowsPerDataLine, kRowsPerDataLine));
  }
  return std::nullopt;
}

std::string DataLine(std::span<const std::string> codes, DataQuoting quoting) {
  std::string text(kDataKeyword);
  const char* const quote = quoting == DataQuoting::kQuoted ? "\"" : "";
  for (std::size_t i = 0; i < codes.size(); ++i) {
    text.append(i == 0 ? " " : ",").append(quote).append(codes[i]).append(quote);
  }
  return text;
}

}  // namespace gridcode
