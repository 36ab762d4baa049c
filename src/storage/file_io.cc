#include "storage/file_io.h"

#include <algorithm>
#include <cerrno>
#include <optional>
#include <random>
#include <system_error>

#include "storage/native_file.h"
#include "storage/temporary_name.h"

namespace gridcode {
namespace {

using Kind = FileError::Kind;

// The most symbolic links followed from one path, as Linux follows.
constexpr int kMostLinks = 40;

// Writes all of `contents` to `file`, counting the bytes written in
// `written`; returns the reason writing failed, or 0.
int WriteAll(NativeFile file, std::string_view contents, std::size_t& written) {
  while (written < contents.size()) {
    const Expected<std::size_t, int> n =
        WriteSome(file, contents.data() + written, contents.size() - written);
    if (!n) return n.error();
    if (*n == 0) return EIO;
    written += *n;
  }
  return 0;
}

// Where a save to a path writes: the path at the end of its symbolic links,
// or a file the process has open that the path or one of its links names.
struct Destination {
  std::filesystem::path path;
  std::optional<NativeFile> descriptor;
};

Expected<Destination, FileError> FindDestination(const std::filesystem::path& path) {
  std::filesystem::path current = path;
  for (int links = 0;; ++links) {
    if (const std::optional<NativeFile> open = OpenDescriptorNamed(current)) {
      return Destination{current, open};
    }
    std::error_code error;
    if (!std::filesystem::is_symlink(std::filesystem::symlink_status(current, error))) {
      return Destination{current, std::nullopt};
    }
    if (links == kMostLinks) {
      return Unexpected(FileError{Kind::kCannotWrite,
                                  static_cast<int>(std::errc::too_many_symbolic_link_levels)});
    }
    const std::filesystem::path next = std::filesystem::read_symlink(current, error);
    if (error) return Unexpected(FileError{Kind::kCannotWrite, error.value()});
    current = next.is_absolute() ? next : current.parent_path() / next;
  }
}

// Writes `contents` into the open `file` from where it stands. A regular
// file is then cut to their length and synced; a stream just takes the bytes.
std::optional<FileError> WriteInto(NativeFile file, std::string_view contents, bool regular_file) {
  std::size_t written = 0;
  if (const int failure = WriteAll(file, contents, written)) {
    return FileError{Kind::kCannotWrite, failure, written > 0};
  }
  if (!regular_file) return std::nullopt;
  int failure = CutFile(file, contents.size());
  if (failure == 0) failure = SyncFile(file);
  if (failure != 0) return FileError{Kind::kCannotWrite, failure, true};
  return std::nullopt;
}

// Writes `contents` into the stream `file`, unless it is a terminal that
// `writable` refuses.
std::optional<FileError> WriteIntoStream(NativeFile file, std::string_view contents,
                                         Writable writable) {
  if (writable == Writable::kAnythingButTerminals && IsTerminal(file)) {
    return FileError{Kind::kIsTerminal};
  }
  return WriteInto(file, contents, false);
}

// Opens the existing file at `target` and writes `contents` into it as
// WriteInto does; a stream is written as `writable` allows.
std::optional<FileError> WriteInPlace(const std::filesystem::path& target,
                                      std::string_view contents, bool regular_file,
                                      Writable writable) {
  const Expected<NativeFile, int> file = OpenForWriting(target);
  if (!file) return FileError{Kind::kCannotWrite, file.error()};
  std::optional<FileError> error =
      regular_file ? WriteInto(*file, contents, true) : WriteIntoStream(*file, contents, writable);
  if (const int failure = CloseFile(*file); failure != 0 && !error) {
    error = FileError{Kind::kCannotWrite, failure, true};
  }
  return error;
}

// Creates a new file beside `target`, named in `temporary`.
Expected<NativeFile, int> CreateBeside(const std::filesystem::path& target,
                                       std::filesystem::path& temporary) {
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = target;
    temporary.replace_filename(TemporaryName(random()));
    Expected<NativeFile, int> file = CreateNewFile(temporary);
    if (file || file.error() != EEXIST) return file;
  }
  return Unexpected(EEXIST);
}

// The outcome of saving through a new file: done, failed with the old file
// intact, or not possible without changing what the old file is.
struct SaveOutcome {
  std::optional<FileError> error;
  bool fall_back = false;
};

// Writes `contents` to a new file beside `target` and puts it in its place.
// Over an `old` file, a new file that cannot be made, take the old one's
// identity or be put in its place leaves the old one as it was, for the
// caller to rewrite in place.
SaveOutcome SaveBeside(const std::filesystem::path& target, std::string_view contents,
                       const SaveTarget* old) {
  std::filesystem::path temporary;
  const Expected<NativeFile, int> file = CreateBeside(target, temporary);
  if (!file) {
    if (old != nullptr) return {std::nullopt, true};  // a folder that may not be written
    return {FileError{Kind::kCannotWrite, file.error()}};
  }
  if (old != nullptr && !TakeOverIdentity(*file, *old)) {
    CloseFile(*file);
    RemoveFile(temporary);
    return {std::nullopt, true};  // the owner or group cannot be kept
  }
  std::size_t written = 0;
  int failure = WriteAll(*file, contents, written);
  if (failure == 0) failure = SyncFile(*file);
  if (const int closed = CloseFile(*file); failure == 0) failure = closed;
  if (failure == 0) {
    failure = PlaceFile(temporary, target, old != nullptr);
    if (failure == 0) return {};
    if (old != nullptr) {
      RemoveFile(temporary);
      return {std::nullopt, true};  // the old file cannot take the new one's place
    }
  }
  RemoveFile(temporary);
  return {FileError{Kind::kCannotWrite, failure}};
}

}  // namespace

void ReadWithin(std::istream& input, std::size_t limit, std::string& bytes) {
  std::streambuf& buffer = *input.rdbuf();
  // Reads straight into the string: the rest of a file of known size in one
  // piece, with one byte more that finds its end; any other input in pieces
  // that grow with the string. A large input so takes few reads and copies.
  constexpr std::size_t kFirstPiece = std::size_t{1} << 16;
  const std::optional<std::uint64_t> size = InputFile::FileSizeOf(input);
  std::size_t piece = 0;
  if (size && *size <= limit) {
    const auto whole = static_cast<std::size_t>(*size);
    piece = whole - std::min(whole, bytes.size()) + 1;
  }
  while (bytes.size() <= limit) {
    const std::size_t held = bytes.size();
    const std::size_t wanted =
        std::min(piece != 0 ? piece : std::max(kFirstPiece, held), limit + 1 - held);
    piece = 0;
    bytes.resize(held + wanted);
    const auto got = static_cast<std::size_t>(std::max<std::streamsize>(
        buffer.sgetn(bytes.data() + held, static_cast<std::streamsize>(wanted)), 0));
    bytes.resize(held + got);
    if (got < wanted) return;
  }
}

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
    if (file_ && owned_) CloseFile(*file_);  // nothing was written to lose
    file_.reset();
    setg(data_, data_, data_);
  }
  int error() const { return error_; }
  std::optional<std::uint64_t> size() const {
    return file_ ? RegularFileSize(*file_) : std::nullopt;
  }

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

  // Hands out what the buffer holds, then reads the rest of a large request
  // straight into the caller's memory.
  std::streamsize xsgetn(char* out, std::streamsize count) override {
    std::streamsize done = std::min<std::streamsize>(count, egptr() - gptr());
    std::copy_n(gptr(), done, out);
    gbump(static_cast<int>(done));
    if (done == count || !file_) return done;
    if (count - done < static_cast<std::streamsize>(sizeof data_)) {
      return done + std::streambuf::xsgetn(out + done, count - done);
    }
    while (done < count) {
      const Expected<std::size_t, int> read =
          ReadSome(*file_, out + done, static_cast<std::size_t>(count - done));
      if (!read) error_ = read.error();
      if (!read || *read == 0) break;
      done += static_cast<std::streamsize>(*read);
    }
    return done;
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

std::optional<std::uint64_t> InputFile::FileSizeOf(const std::istream& stream) {
  const auto* buffer = dynamic_cast<const Buffer*>(stream.rdbuf());
  return buffer != nullptr ? buffer->size() : std::nullopt;
}

std::optional<FileError> InputFile::ReadErrorOf(const std::istream& stream) {
  const auto* buffer = dynamic_cast<const Buffer*>(stream.rdbuf());
  if (buffer == nullptr || buffer->error() == 0) return std::nullopt;
  return FileError{FileError::Kind::kCannotRead, buffer->error()};
}

// Writes the process's standard output through a buffer of its own, keeping
// the system's reason when a write fails.
class OutputFile::Buffer : public std::streambuf {
 public:
  Buffer() { setp(data_, data_ + sizeof data_); }
  int error() const { return error_; }

 protected:
  int_type overflow(int_type c) override {
    if (sync() != 0) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) sputc(traits_type::to_char_type(c));
    return traits_type::not_eof(c);
  }

  int sync() override {
    std::size_t written = 0;
    const int failure =
        WriteAll(StandardOutput(), {pbase(), static_cast<std::size_t>(pptr() - pbase())}, written);
    setp(data_, data_ + sizeof data_);
    if (failure != 0) error_ = failure;
    return failure == 0 ? 0 : -1;
  }

  // Writes a large piece straight from the caller's memory, after what the
  // buffer holds.
  std::streamsize xsputn(const char* data, std::streamsize count) override {
    if (count < static_cast<std::streamsize>(sizeof data_)) {
      return std::streambuf::xsputn(data, count);
    }
    if (sync() != 0) return 0;
    std::size_t written = 0;
    const int failure =
        WriteAll(StandardOutput(), {data, static_cast<std::size_t>(count)}, written);
    if (failure != 0) error_ = failure;
    return static_cast<std::streamsize>(written);
  }

 private:
  char data_[1 << 16];
  int error_ = 0;
};

OutputFile::OutputFile() : buffer_(std::make_unique<Buffer>()), stream_(buffer_.get()) {}

OutputFile::~OutputFile() = default;

std::ostream& OutputFile::stream() { return stream_; }

std::optional<FileError> OutputFile::WriteErrorOf(const std::ostream& stream) {
  const auto* buffer = dynamic_cast<const Buffer*>(stream.rdbuf());
  if (buffer == nullptr || buffer->error() == 0) return std::nullopt;
  return FileError{FileError::Kind::kCannotWrite, buffer->error()};
}

bool OutputFile::IsTerminal(const std::ostream& stream) {
  return dynamic_cast<const Buffer*>(stream.rdbuf()) != nullptr &&
         gridcode::IsTerminal(StandardOutput());
}

std::optional<FileError> SaveFile(const std::filesystem::path& path, std::string_view contents,
                                  Writable writable) {
  if (path.empty()) return FileError{Kind::kCannotWrite, ENOENT};
  const Expected<Destination, FileError> destination = FindDestination(path);
  if (!destination) return destination.error();
  if (destination->descriptor) {
    if (writable == Writable::kRegularFilesOnly) return FileError{Kind::kNotRegularFile};
    return WriteIntoStream(*destination->descriptor, contents, writable);
  }
  const std::filesystem::path& target = destination->path;
  const Expected<SaveTarget, FileError> existing = LookAtSaveTarget(target);
  if (!existing) return existing.error();
  switch (existing->kind) {
    case SaveTarget::Kind::kMissing:
      return SaveBeside(target, contents, nullptr).error;
    case SaveTarget::Kind::kStream:
      if (writable == Writable::kRegularFilesOnly) return FileError{Kind::kNotRegularFile};
      return WriteInPlace(target, contents, false, writable);
    case SaveTarget::Kind::kFile:
      break;
  }
  if (existing->replaceable) {
    SaveOutcome outcome = SaveBeside(target, contents, &*existing);
    if (!outcome.fall_back) return outcome.error;
  }
  return WriteInPlace(target, contents, true, writable);
}

}  // namespace gridcode
