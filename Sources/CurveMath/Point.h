#pragma once

namespace sg {

// A point of a curve: x along the input, y the value.
struct Point {
    double x = 0.0;
    double y = 0.0;

    friend bool operator==(const Point&, const Point&) = default;
};

}  // namespace sg
