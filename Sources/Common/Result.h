#pragma once

#include <utility>
#include <variant>

#include "Common/Alert.h"

namespace sg {

// A value, or the reason it could not be made (an Alert unless stated otherwise).
template <typename T, typename Error = Alert>
class Result {
public:
    Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    static Result failure(Error error) { return Result(std::in_place_index<1>, std::move(error)); }

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }

    const T& value() const& { return std::get<0>(state_); }
    T& value() & { return std::get<0>(state_); }
    T&& value() && { return std::get<0>(std::move(state_)); }
    const Error& error() const { return std::get<1>(state_); }

private:
    template <std::size_t I, typename U>
    Result(std::in_place_index_t<I> index, U&& content) : state_(index, std::forward<U>(content)) {}

    std::variant<T, Error> state_;
};

}  // namespace sg
