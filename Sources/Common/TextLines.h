#pragma once

#include <cstddef>
#include <cstring>
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
        // Inline: walking a padded file takes a step per empty line.
        Iterator& operator++() {
            const std::size_t next = start_ + line_.size() + 1;
            if (next > text_.size()) {
                start_ = std::string_view::npos;
                line_ = {};
                return *this;
            }
            start_ = next;
            line_ = lineAt(start_);
            ++index_;
            return *this;
        }
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
        Iterator(std::string_view text, char separator, std::size_t start)
            : text_(text), separator_(separator), start_(start) {
            if (start_ != std::string_view::npos) {
                line_ = lineAt(start_);
            }
        }

        std::string_view lineAt(std::size_t start) const {
            const char* first = text_.data() + start;
            const std::size_t rest = text_.size() - start;
            if (rest == 0 || *first == separator_) {
                return {first, 0};
            }
            const void* end = std::memchr(first, separator_, rest);
            return {first, end == nullptr
                               ? rest
                               : static_cast<std::size_t>(static_cast<const char*>(end) - first)};
        }

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
