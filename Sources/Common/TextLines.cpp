#include "Common/TextLines.h"

#include <algorithm>

namespace sg {

TextLines::Iterator::Iterator(std::string_view text, char separator, std::size_t start)
    : text_(text), separator_(separator), start_(start) {
    if (start_ != std::string_view::npos) {
        line_ = text_.substr(start_, text_.find(separator_, start_) - start_);
    }
}

TextLines::Iterator& TextLines::Iterator::operator++() {
    const std::size_t lineEnd = start_ + line_.size();
    if (lineEnd >= text_.size()) {
        start_ = std::string_view::npos;
        line_ = {};
        return *this;
    }
    start_ = lineEnd + 1;
    line_ = text_.substr(start_, text_.find(separator_, start_) - start_);
    ++index_;
    return *this;
}

std::size_t TextLines::size() const {
    return static_cast<std::size_t>(std::count(text_.begin(), text_.end(), separator_)) + 1;
}

}  // namespace sg
