// Whole runs against reports computed independently: tests/oracle/cycle_oracle.py
// redoes every formula with mpmath at a 64-bit significand, rounding after each
// operation in the program's order, and writes the report a first run must give.
#include "fixture.h"
#include "localefixture.h"
#include "runcalculation.h"

#include "resultreport.h"

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using namespace tervox;

const ::testing::Environment* const kLocale =
    ::testing::AddGlobalTestEnvironment(new ProcessLocaleEnvironment);

class RunFixtureTest : public ::testing::TestWithParam<test::RunFixture> {};

TEST_P(RunFixtureTest, FirstRunWritesTheExpectedReportByteForByte) {
    const test::RunFixture& f = GetParam();
    const fs::path dir = fs::temp_directory_path() / ("tervox_fixture_" + f.name + "_" +
                                                      std::to_string(::getpid()));
    fs::remove_all(dir);
    const fs::path path = dir / "result.txt";
    const report::RegionalSettings settings{",", "dd.MM.yyyy"};
    report::ResultReport report(path.string(), settings);
    calc::CalcState state;
    calc::RunCalculation(f.fields, f.gasoline, settings, report, state, {2026, 3, 5});
    EXPECT_EQ(test::ReadFileBytes(path), f.expected);
    fs::remove_all(dir);
}

INSTANTIATE_TEST_SUITE_P(Cases, RunFixtureTest,
                         ::testing::ValuesIn(test::LoadRunFixtures(TERVOX_TEST_DATA)),
                         [](const auto& info) {
                             std::string n = info.param.name;
                             for (char& c : n)
                                 if (c == '-')
                                     c = '_';
                             return n;
                         });

} // namespace
