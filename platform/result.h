// Errors as values for the platform layer: a call either gives its value or an Error saying
// what went wrong (a system error code where there is one, and a short text for people).
#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <variant>

namespace tikora {

struct Error {
  std::uint32_t code = 0;  // the system's error code (GetLastError / LSTATUS), 0 when none applies
  std::wstring message;    // what was being done, for a message box or a test failure

  friend bool operator==(const Error&, const Error&) = default;
};

// Holds either a T or an Error. Converts implicitly from both, so a function returning
// Result<int> can `return 5;` or `return Error{5, L"access denied"};`.
template <class T>
class [[nodiscard]] Result {
 public:
  Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
  Result(Error error) : state_(std::in_place_index<1>, std::move(error)) {}

  bool ok() const { return state_.index() == 0; }
  explicit operator bool() const { return ok(); }

  // Only valid when ok().
  T& value() & { return std::get<0>(state_); }
  const T& value() const& { return std::get<0>(state_); }
  T&& value() && { return std::get<0>(std::move(state_)); }
  T& operator*() & { return value(); }
  const T& operator*() const& { return value(); }
  T* operator->() { return &value(); }
  const T* operator->() const { return &value(); }

  // Only valid when !ok().
  const Error& error() const { return std::get<1>(state_); }

  T valueOr(T fallback) const& { return ok() ? value() : std::move(fallback); }

 private:
  std::variant<T, Error> state_;
};

// Success or an Error, for calls that give nothing back.
template <>
class [[nodiscard]] Result<void> {
 public:
  Result() = default;
  Result(Error error) : error_(std::move(error)), ok_(false) {}

  bool ok() const { return ok_; }
  explicit operator bool() const { return ok_; }
  const Error& error() const { return error_; }

 private:
  Error error_;
  bool ok_ = true;
};

using Status = Result<void>;

}  // namespace tikora
