#pragma once

#include <string>
#include <string_view>

namespace tervox::report {

// The INI text after adding or updating one entry (all texts in code page 1251).
// Sections and keys are compared without regard to letter case; the first rule
// that applies is taken:
//   1. empty file: the section's header line and the entry;
//   2. no such section: a header line and the entry at the end of the file;
//   3. no such key in the section: the entry after the section's last entry;
//   4. the key exists: its value is replaced, the line keeps its place and key text.
// Every line of the result ends in CR LF.
std::string UpdateIniText(std::string_view content, std::string_view section, std::string_view key,
                          std::string_view value);

} // namespace tervox::report
