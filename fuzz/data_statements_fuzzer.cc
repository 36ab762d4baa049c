// Feeds arbitrary texts to the DATA statement reader. Besides crashes, hangs
// and undefined behaviour it checks that a decoded grid holds only the digits
// 0 to 3 and encodes back to row codes of seven digits, and that the listing
// reader, which splits its text in memory, finds the sprites the streaming
// reader finds and writes its unchanged bank back as the same bytes.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "encoder/data_lines.h"
#include "encoder/data_statements.h"
#include "encoder/listing.h"
#include "text/utf8.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

// Checks the listing read whole from `text` against the streaming reader;
// UTF-16, which only the listing reader decodes itself, is left out.
void CheckListing(std::string_view text) {
  if (text.starts_with(gridcode::kUtf16LeByteOrderMark) ||
      text.starts_with(gridcode::kUtf16BeByteOrderMark)) {
    return;
  }
  const gridcode::Expected<gridcode::Listing, gridcode::DecodeError> listing =
      gridcode::ReadListing(std::string(text));
  if (!listing) return;
  const std::size_t sprites = listing->sprites.size();
  if (sprites > 0) {
    const gridcode::Expected<gridcode::Cells, gridcode::DecodeError> last =
        gridcode::DecodeDataStatements(text, static_cast<int>(sprites));
    Check(last.has_value() && *last == gridcode::SpriteCells(*listing, sprites - 1));
  }
  Check(!gridcode::DecodeDataStatements(text, static_cast<int>(sprites) + 1).has_value());
  const gridcode::Expected<std::string, gridcode::ListingSaveError> same =
      gridcode::RewriteListing(*listing, gridcode::ListingBank(*listing));
  Check(same.has_value() && *same == text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  CheckListing(text);
  const gridcode::Expected<gridcode::Cells, gridcode::DecodeError> decoded =
      gridcode::DecodeDataStatements(text);
  if (!decoded) {
    Check(decoded.error().position.line >= 1 && decoded.error().position.column >= 1);
    return 0;
  }
  gridcode::GridDocument document;
  document.cells = *decoded;
  for (const std::string& cell : document.cells)
    Check(cell.size() == 1 && cell[0] >= '0' && cell[0] <= '3');
  Check(!gridcode::BuildDataLines(document).has_value());
  for (const std::string& code : document.row_codes) Check(code.size() == 7);
  return 0;
}
