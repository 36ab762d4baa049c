// Test support: an input of any length, made as it is read: one pattern repeated, counting
// how many bytes the reader took. Readers are shown to stop early on it.

#ifndef GRIDCODE_TESTS_SUPPORT_REPEATING_BUFFER_H_
#define GRIDCODE_TESTS_SUPPORT_REPEATING_BUFFER_H_

#include <algorithm>
#include <cstddef>
#include <streambuf>
#include <string>

namespace gridcode {

class RepeatingBuffer : public std::streambuf {
 public:
  // `size` bytes of `pattern` over and over.
  RepeatingBuffer(const std::string& pattern, std::size_t size) : left_(size) {
    while (chunk_.size() < 4096) chunk_ += pattern;
  }
  std::size_t taken() const { return taken_; }

 protected:
  int_type underflow() override {
    if (left_ == 0) return traits_type::eof();
    const std::size_t n = std::min(left_, chunk_.size());
    setg(chunk_.data(), chunk_.data(), chunk_.data() + n);
    left_ -= n;
    taken_ += n;
    return traits_type::to_int_type(chunk_[0]);
  }

 private:
  std::string chunk_;
  std::size_t left_;
  std::size_t taken_ = 0;
};

}  // namespace gridcode

#endif  // GRIDCODE_TESTS_SUPPORT_REPEATING_BUFFER_H_
