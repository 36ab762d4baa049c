#include "picture/cells_file.h"

#include <algorithm>
#include <streambuf>
#include <string>

#include "storage/grid_file.h"

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

// Appends the bytes of `input` to `bytes` until it ends or `bytes` is one
// byte over `limit`.
void ReadWithin(std::istream& input, std::size_t limit, std::string& bytes) {
  std::streambuf& buffer = *input.rdbuf();
  char chunk[1 << 16];
  while (bytes.size() <= limit) {
    const std::size_t wanted = std::min(sizeof chunk, limit + 1 - bytes.size());
    const std::streamsize got = buffer.sgetn(chunk, static_cast<std::streamsize>(wanted));
    if (got <= 0) return;
    bytes.append(chunk, static_cast<std::size_t>(got));
  }
}

}  // namespace

CellsFile ReadCells(std::istream& input, Accepted accepted) {
  std::string head(kHeadBytes, '\0');
  head.resize(static_cast<std::size_t>(
      std::max<std::streamsize>(0, input.rdbuf()->sgetn(head.data(), kHeadBytes))));
  CellsFile file;
  file.format = PictureFormatOf(head);
  if (file.format != PictureFormat::kNone || accepted == Accepted::kPicturesOnly) {
    std::string bytes = std::move(head);
    if (file.format == PictureFormat::kPng) ReadWithin(input, kImageByteLimit, bytes);
    ImportedPicture picture = ImportPng(bytes);
    file.cells = std::move(picture.cells);
    file.style = picture.style;
    file.picture_error = std::move(picture.error);
  } else {
    PrefixedBuffer buffer(std::move(head), *input.rdbuf());
    std::istream rest(&buffer);
    LoadedCells loaded = ReadGridFile(rest);
    file.cells = std::move(loaded.cells);
    file.file_error = loaded.error;
  }
  // A failed read explains whatever else went wrong.
  if (std::optional<FileError> read_error = InputFile::ReadErrorOf(input)) {
    file.file_error = read_error;
    file.picture_error.reset();
  }
  if (file.failed()) file.cells = {};
  return file;
}

CellsFile LoadCells(const std::filesystem::path& path, Readable readable, Accepted accepted) {
  InputFile file;
  if (std::optional<FileError> error = file.Open(path, readable)) {
    CellsFile failed;
    failed.file_error = error;
    return failed;
  }
  return ReadCells(file.stream(), accepted);
}

}  // namespace gridcode
