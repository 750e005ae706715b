#pragma once
// A value or the text of what went wrong, for recoverable failures (loading a file, an image,
// a page). Broken invariants assert instead.
#include <cassert>
#include <string>
#include <utility>
#include <variant>

namespace tavra {

struct Error {
  std::string message;
};

template <typename T>
class [[nodiscard]] Result {
 public:
  Result(T value) : state_(std::move(value)) {}
  Result(Error error) : state_(std::move(error)) {}

  bool ok() const { return std::holds_alternative<T>(state_); }
  explicit operator bool() const { return ok(); }

  T& value() & { assert(ok()); return std::get<T>(state_); }
  const T& value() const& { assert(ok()); return std::get<T>(state_); }
  T&& value() && { assert(ok()); return std::get<T>(std::move(state_)); }
  T* operator->() { return &value(); }
  const T* operator->() const { return &value(); }
  T& operator*() & { return value(); }
  const T& operator*() const& { return value(); }

  const std::string& error() const { assert(!ok()); return std::get<Error>(state_).message; }

 private:
  std::variant<T, Error> state_;
};

}  // namespace tavra
