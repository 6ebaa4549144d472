#include "inifile.h"

#include "codepage.h"

#include <optional>
#include <vector>

namespace tervox::report {
namespace {

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (FoldCp1251(static_cast<unsigned char>(a[i])) !=
            FoldCp1251(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// The section name of a header line "[name]", or nothing.
std::optional<std::string_view> SectionName(std::string_view line) {
    const std::string_view t = Trim(line);
    if (t.empty() || t.front() != '[')
        return std::nullopt;
    const std::size_t close = t.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return Trim(t.substr(1, close - 1));
}

// The key of an entry line "key=value", or nothing.
std::optional<std::string_view> EntryKey(std::string_view line) {
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos)
        return std::nullopt;
    return Trim(line.substr(0, eq));
}

std::vector<std::string_view> SplitLines(std::string_view content) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t end = content.find('\n', start);
        const bool last = end == std::string_view::npos;
        if (last)
            end = content.size();
        std::string_view line = content.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        start = last ? content.size() : end + 1;
    }
    return lines;
}

std::string Entry(std::string_view key, std::string_view value) {
    std::string s(key);
    s += '=';
    s += value;
    return s;
}

std::string Header(std::string_view section) {
    std::string s = "[";
    s += section;
    s += ']';
    return s;
}

} // namespace

std::string UpdateIniText(std::string_view content, std::string_view section, std::string_view key,
                          std::string_view value) {
    const std::vector<std::string_view> lines = SplitLines(content);
    std::vector<std::string> out;
    out.reserve(lines.size() + 2);

    bool inSection = false;
    bool sectionFound = false;
    bool done = false;
    std::size_t insertAt = 0; // after the last entry (or the header) of the section

    for (std::string_view line : lines) {
        if (const auto name = SectionName(line)) {
            inSection = !done && !sectionFound && SameName(*name, section);
            if (inSection) {
                sectionFound = true;
                insertAt = out.size() + 1;
            }
            out.emplace_back(line);
            continue;
        }
        if (inSection && !done) {
            if (const auto k = EntryKey(line)) {
                if (SameName(*k, key)) {
                    // The line keeps its key text, only the value changes.
                    const std::size_t eq = line.find('=');
                    out.push_back(Entry(line.substr(0, eq), value));
                    done = true;
                    continue;
                }
                insertAt = out.size() + 1;
            }
        }
        out.emplace_back(line);
    }

    if (!done) {
        if (sectionFound) {
            out.insert(out.begin() + static_cast<std::ptrdiff_t>(insertAt), Entry(key, value));
        } else {
            out.push_back(Header(section));
            out.push_back(Entry(key, value));
        }
    }

    std::string text;
    std::size_t size = 0;
    for (const std::string& l : out)
        size += l.size() + 2;
    text.reserve(size);
    for (const std::string& l : out) {
        text += l;
        text += "\r\n";
    }
    return text;
}

} // namespace tervox::report
