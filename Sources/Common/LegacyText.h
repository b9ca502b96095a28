#pragma once

#include <string>
#include <string_view>

namespace sg {

// Text that is not UTF-8, as UTF-8. Older curve makers wrote single bytes in either
// Windows-1252 or Mac OS Roman ("Pictorico" followed by 0xA8 is "Pictorico®" on a Mac and
// "Pictorico¨" on Windows). Each byte above 0x7F counts for a code page when it reads there as
// a common symbol or punctuation mark (© ® ™ ° – “ …), or as a letter inside a word that does
// not turn upper case after a lower-case letter; the code page with more such bytes wins, and
// Windows-1252 on a tie.
std::string decodeLegacyText(std::string_view bytes);

}  // namespace sg
