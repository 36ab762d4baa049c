// What gridcode-data says when it cannot convert its input: the wording of
// each failure, after "gridcode-data: PLACE: ". Quoted input and names are
// shown visibly, so that no message runs over two lines or reaches the
// terminal as a control sequence.

#ifndef GRIDCODE_CLI_MESSAGES_H_
#define GRIDCODE_CLI_MESSAGES_H_

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "encoder/basic_program.h"
#include "encoder/data_lines.h"
#include "encoder/data_statements.h"
#include "encoder/listing.h"
#include "format/cells_file.h"
#include "format/grid_file.h"
#include "format/grid_picture.h"
#include "storage/file_io.h"

namespace gridcode {

// Writes the one line "gridcode-data: PLACE: MESSAGE" to `err`; `place` is
// shown visibly.
void Report(std::ostream& err, std::string_view place, std::string_view message);

// Returns the size of every grid picture, "14N x 10N".
std::string GridPictureSize();

// Returns `text` in double quotes for a message, cut short if long.
std::string QuotedText(std::string_view text);

// Returns what is said of a file failure.
std::string DescribeFileError(const FileError& error);

// Returns what is said of a grid file with no grid in it.
std::string DescribeGridFileError(GridFileError error);

// Returns what is said of a file that is not a grid picture.
std::string DescribeImportError(const ImportError& error);

// Returns what is said of a file that gives no cells.
std::string DescribeCellsFileError(const CellsFileError& error);

// Returns what is said of DATA statements that give no grid.
std::string DescribeDecodeError(const DecodeError& error);

// Returns what is said of a place K past the N + 1 that a listing of N
// sprites has for a sprite.
std::string DescribeNoPlaceForSprite(std::size_t sprites, long long place);

// Returns what is said of a sprite that cannot be written into a listing;
// `cells` are that sprite's, which the error may name.
std::string DescribeListingSaveError(const ListingSaveError& error, const Cells& cells);

// Returns what is said of a cell of `cells` that a program cannot hold.
std::string DescribeUnusualCell(const UnusualCell& error, const Cells& cells);

// Returns what is said of an overflow where none can be: a fault of the
// program, not of its input.
std::string DescribeUnexpectedOverflow(const Overflow& overflow);

// Returns what is said of `cells` that have no picture.
std::string DescribeRenderError(const RenderError& error, const Cells& cells);

}  // namespace gridcode

#endif  // GRIDCODE_CLI_MESSAGES_H_
