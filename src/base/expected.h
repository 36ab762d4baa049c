// Expected<T, E>: the value an operation made, or the error that stopped it.
//
// Every reader and encoder of gridcode returns one of these instead of a
// struct with a value that is empty when an error is set: a result is either
// the one or the other, never both. It follows the part of C++23's
// std::expected that gridcode uses, so that it can be swapped for it once
// every compiler the project supports has it:
//
//   Expected<Cells, DecodeError> decoded = DecodeDataStatements(listing);
//   if (!decoded) return Report(decoded.error());
//   Use(*decoded);
//
// An error is returned as `Unexpected(error)`; an Expected converts to another
// whose value and error types can be made from its own.

#ifndef GRIDCODE_BASE_EXPECTED_H_
#define GRIDCODE_BASE_EXPECTED_H_

#include <type_traits>
#include <utility>
#include <variant>

namespace gridcode {

// An error on its way into an Expected.
template <typename E>
class Unexpected {
 public:
  explicit Unexpected(E error) : error_(std::move(error)) {}
  E& error() & { return error_; }
  E&& error() && { return std::move(error_); }

 private:
  E error_;
};

template <typename T, typename E>
class Expected {
 public:
  using value_type = T;
  using error_type = E;

  // NOLINTBEGIN(google-explicit-constructor): results convert as std::expected's do.
  Expected(T value) : state_(std::in_place_index<0>, std::move(value)) {}
  template <typename G>
  requires std::is_constructible_v<E, G&&> Expected(Unexpected<G> error)
      : state_(std::in_place_index<1>, std::move(error).error()) {}
  template <typename U, typename G>
  requires(!std::is_same_v<Expected<U, G>, Expected> && std::is_constructible_v<T, U&&> &&
           std::is_constructible_v<E, G&&>) Expected(Expected<U, G> other)
      : Expected(other ? Expected(T(std::move(*other)))
                       : Expected(Unexpected<E>(E(std::move(other).error())))) {}
  // NOLINTEND(google-explicit-constructor)

  bool has_value() const { return state_.index() == 0; }
  explicit operator bool() const { return has_value(); }

  // The value; only when there is one.
  T& operator*() & { return std::get<0>(state_); }
  const T& operator*() const& { return std::get<0>(state_); }
  T&& operator*() && { return std::get<0>(std::move(state_)); }
  T* operator->() { return &std::get<0>(state_); }
  const T* operator->() const { return &std::get<0>(state_); }

  // The error; only when there is no value.
  E& error() & { return std::get<1>(state_); }
  const E& error() const& { return std::get<1>(state_); }
  E&& error() && { return std::get<1>(std::move(state_)); }

  friend bool operator==(const Expected&, const Expected&) = default;

 private:
  std::variant<T, E> state_;
};

}  // namespace gridcode

#endif  // GRIDCODE_BASE_EXPECTED_H_
