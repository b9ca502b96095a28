#pragma once

#include <cstddef>
#include <iterator>
#include <string_view>

namespace sg {

// The lines of a text as views into it, split at every separator. Empty lines stay, so a text
// that ends with a separator ends with an empty line. Walking the lines copies nothing and
// keeps nothing, so a file of millions of lines needs no memory beyond its own text.
class TextLines {
public:
    class Iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        using pointer = const std::string_view*;
        using reference = std::string_view;

        Iterator() = default;

        std::string_view operator*() const { return line_; }
        const std::string_view* operator->() const { return &line_; }
        Iterator& operator++();
        Iterator operator++(int) {
            Iterator before = *this;
            ++*this;
            return before;
        }
        // The line's position, counted from 0.
        std::size_t index() const { return index_; }

        friend bool operator==(const Iterator& a, const Iterator& b) {
            return a.start_ == b.start_;
        }

    private:
        friend class TextLines;
        Iterator(std::string_view text, char separator, std::size_t start);

        std::string_view text_;
        char separator_ = '\n';
        std::size_t start_ = std::string_view::npos;  // npos past the last line
        std::size_t index_ = 0;
        std::string_view line_;
    };

    explicit TextLines(std::string_view text, char separator = '\n')
        : text_(text), separator_(separator) {}

    Iterator begin() const { return Iterator(text_, separator_, 0); }
    Iterator end() const { return Iterator(text_, separator_, std::string_view::npos); }
    std::string_view front() const { return *begin(); }
    // The number of lines: one more than the separators. Counted on each call.
    std::size_t size() const;

private:
    std::string_view text_;
    char separator_;
};

}  // namespace sg
