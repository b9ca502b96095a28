#pragma once

namespace sg {

// The Unicode code point of one byte of text in the two single-byte code pages that older
// curve and measurement files were written in. Bytes below 0x80 are ASCII in both.
char32_t windows1252CodePoint(unsigned char byte);
char32_t macRomanCodePoint(unsigned char byte);

}  // namespace sg
