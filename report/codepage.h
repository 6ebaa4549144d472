#pragma once

#include <string>
#include <string_view>

namespace tervox::report {

// UTF-8 text in Windows code page 1251, the report's encoding. A character that
// the code page lacks is written as "?"; malformed UTF-8 bytes likewise.
std::string ToCp1251(std::string_view utf8);

// Code page 1251 text back in UTF-8 (for tests and tools that read the report).
std::string FromCp1251(std::string_view cp1251);

// Folds one code page 1251 byte to lower case (Latin and Cyrillic letters), so
// that "Main" and "main", "ИТОГО" and "итого" compare equal.
unsigned char FoldCp1251(unsigned char c);

} // namespace tervox::report
