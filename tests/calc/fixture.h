#pragma once

#include "fieldtexts.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace tervox::test {

// A whole-run fixture: tests/data/<case>/args.txt holds the engine type
// (--gasoline or --diesel) and NAME=TEXT lines; expected.ini the report of a
// first run dated 05.03.2026 with a comma as separator.
struct RunFixture {
    std::string name;
    bool gasoline = false;
    calc::FieldTexts fields;
    std::string expected;
};

inline std::string ReadFileBytes(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

inline std::vector<RunFixture> LoadRunFixtures(const std::filesystem::path& root) {
    std::vector<RunFixture> out;
    for (const auto& dir : std::filesystem::directory_iterator(root)) {
        if (!std::filesystem::exists(dir.path() / "args.txt"))
            continue;
        RunFixture f;
        f.name = dir.path().filename().string();
        std::ifstream args(dir.path() / "args.txt");
        for (std::string line; std::getline(args, line);) {
            if (line == "--gasoline")
                f.gasoline = true;
            else if (const auto eq = line.find('='); eq != std::string::npos)
                *f.fields.field(line.substr(0, eq)) = line.substr(eq + 1);
        }
        f.expected = ReadFileBytes(dir.path() / "expected.ini");
        out.push_back(std::move(f));
    }
    return out;
}

} // namespace tervox::test
