#pragma once

#include "base/Failure.h"

#include <optional>
#include <type_traits>
#include <utility>
#include <variant>

// What an operation that can fail gives back: its value, or the Failure that kept it from one.
// Shaped after std::expected, so that it can take its place once the compilers we build with
// all offer it. Reading value() or the value through * or -> of a failed result, or error() of a
// successful one, is a programming error, and throws as std::expected would.
template <typename T> class Result
{
  public:
    using value_type = T;

    // A value made by T's default constructor, as std::expected does.
    Result() : m_state(std::in_place_index<0>) {}
    template <typename U = T, typename = std::enable_if_t<std::is_convertible_v<U &&, T> &&
                                                          !std::is_same_v<std::decay_t<U>, Result> &&
                                                          !std::is_same_v<std::decay_t<U>, Failure>>>
    Result(U &&value) : m_state(std::in_place_index<0>, std::forward<U>(value))
    {
    }
    Result(Failure failure) : m_state(std::in_place_index<1>, std::move(failure)) {}

    bool has_value() const { return m_state.index() == 0; }
    explicit operator bool() const { return has_value(); }

    T &value() & { return std::get<0>(m_state); }
    const T &value() const & { return std::get<0>(m_state); }
    T &&value() && { return std::get<0>(std::move(m_state)); }
    template <typename U> T value_or(U &&fallback) const &
    {
        return has_value() ? value() : static_cast<T>(std::forward<U>(fallback));
    }
    template <typename U> T value_or(U &&fallback) &&
    {
        return has_value() ? std::move(*this).value() : static_cast<T>(std::forward<U>(fallback));
    }

    T &operator*() & { return value(); }
    const T &operator*() const & { return value(); }
    T &&operator*() && { return std::move(*this).value(); }
    T *operator->() { return &value(); }
    const T *operator->() const { return &value(); }

    const Failure &error() const & { return std::get<1>(m_state); }
    Failure &&error() && { return std::get<1>(std::move(m_state)); }

  private:
    std::variant<T, Failure> m_state;
};

// Success without a value, or the Failure.
template <> class Result<void>
{
  public:
    using value_type = void;

    Result() = default;
    Result(Failure failure) : m_failure(std::move(failure)) {}

    bool has_value() const { return !m_failure.has_value(); }
    explicit operator bool() const { return has_value(); }
    void value() const
    {
        if (m_failure)
            throw std::bad_optional_access();
    }
    void operator*() const { value(); }

    const Failure &error() const & { return m_failure.value(); }
    Failure &&error() && { return std::move(m_failure).value(); }

  private:
    std::optional<Failure> m_failure;
};
