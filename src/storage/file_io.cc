#include "storage/file_io.h"

#include <optional>

#include "storage/native_file.h"

namespace gridcode {

// Reads a file through a buffer of its own, keeping the system's reason when
// a read fails.
class InputFile::Buffer : public std::streambuf {
 public:
  ~Buffer() override { Close(); }

  void Attach(NativeFile file, bool owned) {
    Close();
    file_ = file;
    owned_ = owned;
    error_ = 0;
    setg(data_, data_, data_);
  }
  void Close() {
    if (file_ && owned_) CloseFile(*file_);
    file_.reset();
    setg(data_, data_, data_);
  }
  int error() const { return error_; }

 protected:
  int_type underflow() override {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    if (!file_) return traits_type::eof();
    const Expected<std::size_t, int> read = ReadSome(*file_, data_, sizeof data_);
    if (!read) error_ = read.error();
    const std::size_t n = read ? *read : 0;
    setg(data_, data_, data_ + n);
    return n == 0 ? traits_type::eof() : traits_type::to_int_type(*gptr());
  }

 private:
  std::optional<NativeFile> file_;
  bool owned_ = false;
  int error_ = 0;
  char data_[4096];
};

InputFile::InputFile() : buffer_(std::make_unique<Buffer>()), stream_(buffer_.get()) {}

InputFile::~InputFile() = default;

std::optional<FileError> InputFile::Open(const std::filesystem::path& path, Readable readable) {
  buffer_->Close();
  stream_.clear();
  const Expected<NativeFile, FileError> file = OpenForReading(path, readable);
  if (!file) return file.error();
  buffer_->Attach(*file, true);
  return std::nullopt;
}

void InputFile::OpenStandardInput() {
  stream_.clear();
  buffer_->Attach(StandardInput(), false);
}

std::istream& InputFile::stream() { return stream_; }

std::optional<FileError> InputFile::ReadErrorOf(const std::istream& stream) {
  const auto* buffer = dynamic_cast<const Buffer*>(stream.rdbuf());
  if (buffer == nullptr || buffer->error() == 0) return std::nullopt;
  return FileError{FileError::Kind::kCannotRead, buffer->error()};
}

}  // namespace gridcode
