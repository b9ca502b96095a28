#pragma once

#include <utility>
#include <variant>

#include "Common/Alert.h"

namespace sg {

// A value, or the alert that says why it could not be made.
template <typename T>
class [[nodiscard]] Result {
public:
    Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    Result(Alert refusal) : state_(std::in_place_index<1>, std::move(refusal)) {}

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }

    const T& value() const& { return std::get<0>(state_); }
    T& value() & { return std::get<0>(state_); }
    T&& value() && { return std::get<0>(std::move(state_)); }
    const Alert& refusal() const { return std::get<1>(state_); }

private:
    std::variant<T, Alert> state_;
};

}  // namespace sg
