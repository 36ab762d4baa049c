#include "format/cells_file.h"

#include <algorithm>
#include <cctype>
#include <streambuf>
#include <string>

namespace gridcode {
namespace {

// Serves bytes already read from a stream, then the rest of that stream.
class PrefixedBuffer : public std::streambuf {
 public:
  PrefixedBuffer(std::string prefix, std::streambuf& rest)
      : prefix_(std::move(prefix)), rest_(rest) {
    setg(prefix_.data(), prefix_.data(), prefix_.data() + prefix_.size());
  }

 protected:
  int_type underflow() override {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    const int_type c = rest_.sbumpc();
    if (traits_type::eq_int_type(c, traits_type::eof())) return c;
    current_ = traits_type::to_char_type(c);
    setg(&current_, &current_, &current_ + 1);
    return c;
  }

 private:
  std::string prefix_;
  std::streambuf& rest_;
  char current_ = 0;
};

// Reads the cells of the grid file whose first bytes `head` were already
// taken from `input`.
Expected<Cells, GridFileError> ReadGridFileAfter(std::string head, std::istream& input) {
  PrefixedBuffer buffer(std::move(head), *input.rdbuf());
  std::istream grid_file(&buffer);
  return ReadGridFile(grid_file);
}

// Reads the first bytes of `input`, those that tell a picture by its format.
std::string ReadHead(std::istream& input) {
  std::string head(kHeadBytes, '\0');
  head.resize(static_cast<std::size_t>(
      std::max<std::streamsize>(0, input.rdbuf()->sgetn(head.data(), kHeadBytes))));
  return head;
}

// Reads the picture whose first bytes `head` were already taken from `input`.
Expected<LoadedCells, ImportError> ReadPictureAfter(std::string head, std::istream& input) {
  LoadedCells loaded;
  loaded.format = PictureFormatOf(head);
  std::string bytes = std::move(head);
  if (loaded.format == PictureFormat::kPng) ReadWithin(input, kImageByteLimit, bytes);
  Expected<GridPicture, ImportError> picture = ImportPng(bytes);
  if (!picture) return Unexpected(std::move(picture).error());
  loaded.cells = std::move(picture->cells);
  loaded.style = picture->style;
  return loaded;
}

// Reads the cells of the file that `input` holds, as the header describes;
// whether reading the stream failed is for the caller to ask.
Expected<LoadedCells, CellsFileError> ReadContents(std::istream& input, AcceptedFiles accepted) {
  std::string head = ReadHead(input);
  if (PictureFormatOf(head) != PictureFormat::kNone || accepted == AcceptedFiles::kPicturesOnly) {
    return ReadPictureAfter(std::move(head), input);
  }
  Expected<Cells, GridFileError> cells = ReadGridFileAfter(std::move(head), input);
  if (!cells) return Unexpected(cells.error());
  LoadedCells loaded;
  loaded.cells = std::move(*cells);
  return loaded;
}

// The same for the reader that takes listings.
Expected<LoadedFile, LoadedFileError> ReadContentsOrListing(std::istream& input,
                                                            AcceptedFiles accepted) {
  std::string head = ReadHead(input);
  if (PictureFormatOf(head) != PictureFormat::kNone || accepted == AcceptedFiles::kPicturesOnly) {
    Expected<LoadedCells, ImportError> picture = ReadPictureAfter(std::move(head), input);
    if (!picture) return Unexpected(picture.error());
    return LoadedFile(std::move(*picture));
  }
  Expected<ListingOrNot, DecodeError> text = ReadIfListing(std::move(head), input);
  if (!text) return Unexpected(text.error());
  if (text->listing) return LoadedFile(std::move(*text->listing));
  // The bytes read to tell, then the rest of the file.
  Expected<Cells, GridFileError> cells = ReadGridFileAfter(std::move(text->bytes), input);
  if (!cells) return Unexpected(cells.error());
  LoadedCells loaded;
  loaded.cells = std::move(*cells);
  return LoadedFile(std::move(loaded));
}

// Whether the file name of `path` ends in ".png", in any letter case.
bool HasPngName(const std::filesystem::path& path) {
  const std::u8string name = path.filename().u8string();
  constexpr std::string_view kSuffix = ".png";
  if (name.size() < kSuffix.size()) return false;
  return std::equal(
      kSuffix.begin(), kSuffix.end(), name.end() - kSuffix.size(),
      [](char wanted, char8_t c) { return std::tolower(static_cast<unsigned char>(c)) == wanted; });
}

}  // namespace

Expected<CellsFileBytes, RenderError> MakeCellsFile(
    const std::optional<std::filesystem::path>& target, const Cells& cells,
    const WriteRequest& request) {
  PictureFormat replaced = PictureFormat::kNone;
  PictureStyle style;
  if (target) {
    // Only a regular file is looked at: a device or pipe is written, never replaced.
    const Expected<LoadedCells, CellsFileError> existing =
        LoadCells(*target, Readable::kRegularFilesOnly, AcceptedFiles::kGridFilesAndPictures);
    replaced = FormatFound(existing);
    if (existing && existing->format == PictureFormat::kPng) style = existing->style;
  }
  if (!request.picture && replaced != PictureFormat::kPng && !(target && HasPngName(*target))) {
    return CellsFileBytes{GridFileText(cells), PictureFormat::kNone,
                          CellsThatWillNotLoadBack(cells)};
  }
  if (request.scale) style.scale = *request.scale;
  if (request.new_picture_palette && replaced != PictureFormat::kPng) {
    style.palette = *request.new_picture_palette;
  }
  if (request.palette) style.palette = *request.palette;
  Expected<std::string, RenderError> png = RenderPng(cells, style);
  if (!png) return Unexpected(std::move(png).error());
  return CellsFileBytes{std::move(*png), PictureFormat::kPng};
}

Expected<LoadedCells, CellsFileError> ReadCells(std::istream& input, AcceptedFiles accepted) {
  return ReadStream(input,
                    [accepted](std::istream& stream) { return ReadContents(stream, accepted); });
}

Expected<LoadedCells, CellsFileError> LoadCells(const std::filesystem::path& path,
                                                Readable readable, AcceptedFiles accepted) {
  return ReadFile(path, readable,
                  [accepted](std::istream& stream) { return ReadContents(stream, accepted); });
}

Expected<LoadedFile, LoadedFileError> ReadCellsOrListing(std::istream& input,
                                                         AcceptedFiles accepted) {
  return ReadStream(
      input, [accepted](std::istream& stream) { return ReadContentsOrListing(stream, accepted); });
}

Expected<LoadedFile, LoadedFileError> LoadCellsOrListing(const std::filesystem::path& path,
                                                         Readable readable,
                                                         AcceptedFiles accepted) {
  return ReadFile(path, readable, [accepted](std::istream& stream) {
    return ReadContentsOrListing(stream, accepted);
  });
}

PictureFormat FormatFound(const Expected<LoadedCells, CellsFileError>& read) {
  if (read) return read->format;
  const ImportError* error = std::get_if<ImportError>(&read.error());
  if (error == nullptr || error->kind == ImportError::Kind::kNotAPicture)
    return PictureFormat::kNone;
  return error->kind == ImportError::Kind::kOtherFormat ? error->format : PictureFormat::kPng;
}

}  // namespace gridcode
