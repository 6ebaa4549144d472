// tervox-calc as a script meets it: arguments, exit status, the two output streams
// and the report file.
#include "../calc/fixture.h"
#include "../common/runprogram.h"

#include "dateformat.h"

#include <nlohmann/json.hpp>
#include <sstream>

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using tervox::test::ReadFileBytes;

using Result = tervox::test::ProgramResult;

Result RunCalc(const std::vector<std::string>& args, const std::vector<std::string>& env = {}) {
    return tervox::test::RunProgram(TERVOX_CALC_EXE, args, env);
}

// The report of a run made today, with the fixture's date put in its place.
std::string WithFixtureDate(std::string report, const std::string& pattern) {
    const std::string today = tervox::report::FormatDate(tervox::report::Today(), pattern);
    const std::string key = "Calculation date=";
    const std::size_t at = report.find(key + today + "\r\n");
    if (at != std::string::npos)
        report.replace(at + key.size(), today.size(), "05.03.2026");
    return report;
}

class CliTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() /
                ("tervox_cli_" + std::to_string(::getpid()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
        m_report = (m_dir / "result.txt").string();
    }
    void TearDown() override { fs::remove_all(m_dir); }
    fs::path m_dir;
    std::string m_report;
};

TEST_F(CliTest, EveryFixtureGivesItsExpectedReport) {
    for (const auto& f : tervox::test::LoadRunFixtures(TERVOX_TEST_DATA)) {
        fs::remove(m_report);
        std::vector<std::string> args{f.gasoline ? "--gasoline" : "--diesel", "--report", m_report,
                                      "--decimal-separator", ",", "--date-format", "dd.MM.yyyy"};
        for (std::string_view name : tervox::calc::kFieldNames)
            args.push_back(std::string(name) + "=" + *f.fields.field(name));
        const Result r = RunCalc(args);
        EXPECT_EQ(r.status, 0) << f.name << ": " << r.err;
        EXPECT_EQ(r.out, "Your results saved in \"" + m_report + "\"\n");
        EXPECT_EQ(WithFixtureDate(ReadFileBytes(m_report), "dd.MM.yyyy"), f.expected) << f.name;
    }
}

TEST_F(CliTest, DefaultsAreTheWindowsTextsAndDiesel) {
    const Result r = RunCalc({"--report", m_report, "--decimal-separator", ",", "--date-format",
                          "dd.MM.yyyy"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(WithFixtureDate(ReadFileBytes(m_report), "dd.MM.yyyy"),
              ReadFileBytes(fs::path(TERVOX_TEST_DATA) / "default-diesel" / "expected.ini"));
}

TEST_F(CliTest, FieldTextIsTakenExactlyAsTypedUpToTheFirstEquals) {
    const Result r = RunCalc({"--report", m_report, "--decimal-separator", ",", "Poe= 1=2"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "' 1=2' is not a valid floating point value.\n");
    EXPECT_EQ(r.out, "");
    EXPECT_FALSE(fs::exists(m_report));
}

TEST_F(CliTest, StoppedRunPrintsTheErrorBoxText) {
    struct Case {
        std::vector<std::string> args;
        std::string err;
    };
    const Case cases[] = {
        {{"Poe=abc"}, "'abc' is not a valid floating point value.\n"},
        {{"nodin="}, "'' is not a valid floating point value.\n"},
        {{"roh=0"}, "Floating point division by zero.\n"},
        {{"--gasoline", "StSzhatia=0", "roh=0"}, "Invalid floating point operation.\n"},
        {{"Dublw=1e3000"}, "Floating point overflow.\n"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args{"--report", m_report, "--decimal-separator", ","};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const Result r = RunCalc(args);
        EXPECT_EQ(r.status, 1) << c.args.back();
        EXPECT_EQ(r.err, c.err);
        EXPECT_EQ(r.out, "");
    }
}

TEST_F(CliTest, UnwritableReportNamesItsPath) {
    std::ofstream(m_dir / "file") << "x";
    const std::string path = (m_dir / "file" / "result.txt").string();
    const Result r = RunCalc({"--report", path, "--decimal-separator", ","});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Unable to write to " + path + ".\n");
}

TEST_F(CliTest, UsageErrorsExitWithTwoAndAReason) {
    struct Case {
        std::vector<std::string> args;
        std::string reasonPart;
    };
    const Case cases[] = {
        {{"--frobnicate"}, "unknown option --frobnicate"},
        {{"chislocilind=4"}, "unknown field name chislocilind"}, // names are case-sensitive
        {{"4"}, "expected NAME=TEXT, got 4"},
        {{"--report"}, "option --report needs a value"},
        {{"--gasoline", "--diesel"}, "exclude each other"},
    };
    for (const Case& c : cases) {
        const Result r = RunCalc(c.args);
        EXPECT_EQ(r.status, 2) << c.args.front();
        EXPECT_NE(r.err.find(c.reasonPart), std::string::npos) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << "one line: " << r.err;
    }
}

TEST_F(CliTest, HelpPrintsTheUsage) {
    const Result r = RunCalc({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("Usage: tervox-calc [--gasoline | --diesel] [--report PATH]", 0), 0u);
}

TEST_F(CliTest, TwoCallsOnOnePathGiveTheMixedFile) {
    ASSERT_EQ(RunCalc({"--gasoline", "--report", m_report, "--decimal-separator", ","}).status, 0);
    ASSERT_EQ(RunCalc({"--diesel", "--report", m_report, "--decimal-separator", ","}).status, 0);
    const std::string text = ReadFileBytes(m_report);
    // "Кол-во CO" of the gasoline run and "Кол-во O2" of the diesel run both stay.
    EXPECT_NE(text.find("\r\n\xCA\xEE\xEB-\xE2\xEE CO="), std::string::npos);
    EXPECT_NE(text.find("\r\n\xCA\xEE\xEB-\xE2\xEE O2="), std::string::npos);
}

TEST_F(CliTest, RegionalSettingsComeFromTheLocale) {
    const Result ru = RunCalc({"--report", m_report}, {"LC_ALL=ru_RU.UTF-8"});
    EXPECT_EQ(ru.status, 0) << ru.err;
    const std::string ruText = ReadFileBytes(m_report);
    EXPECT_NE(ruText.find("=1,5\r\n"), std::string::npos);

    fs::remove(m_report);
    const Result us = RunCalc({"--report", m_report}, {"LC_ALL=en_US.UTF-8"});
    EXPECT_EQ(us.status, 1);
    EXPECT_EQ(us.err, "'1,5' is not a valid floating point value.\n");
    EXPECT_FALSE(fs::exists(m_report));

    const Result usPoint = RunCalc({"--report", m_report, "Izbytokvoz=1.5", "Poe=0.1", "poctkoeff=1.15",
                                "betaplusksi=3.2", "fii=1.01", "fi1=1.02", "nodin=1.37",
                                "ksizet=0.75", "ndva=1.25", "Pzet=7.1784", "lambd=1.8",
                                "roh=1.47", "phii=0.93", "koefa=0.089", "koefb=0.0135",
                                "skpor=9.2", "k_tk=1.2"},
                               {"LC_ALL=en_US.UTF-8"});
    ASSERT_EQ(usPoint.status, 0) << usPoint.err;
    const std::string usText = ReadFileBytes(m_report);
    EXPECT_NE(usText.find("=1.5\r\n"), std::string::npos);
    // US short date: M/d/yy.
    EXPECT_NE(usText.find("Calculation date=" + tervox::report::FormatDate(
                                                    tervox::report::Today(), "M/d/yy") + "\r\n"),
              std::string::npos);
}

TEST_F(CliTest, DefaultReportGoesToTheDocumentsFolder) {
    const std::string home = (m_dir / "home").string();
    fs::create_directories(home);
    const Result r = RunCalc({"--decimal-separator", ","},
                         {"HOME=" + home, "XDG_CONFIG_HOME=" + home + "/.config"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string path = home + "/Documents/Tervox/result.txt";
    EXPECT_EQ(r.out, "Your results saved in \"" + path + "\"\n");
    EXPECT_TRUE(fs::exists(path));
}

// JSON whose numbers are read as extended reals.
using Json = nlohmann::basic_json<nlohmann::ordered_map, std::vector, std::string, bool,
                                  std::int64_t, std::uint64_t, long double>;

std::vector<std::vector<std::string>> ParseCsv(const std::string& text) {
    // Minimal RFC 4180 reader: quoted fields, doubled quotes, no multi-line fields.
    std::vector<std::vector<std::string>> rows;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> cells{""};
        bool quoted = false;
        for (std::size_t i = 0; i < line.size(); ++i) {
            const char c = line[i];
            if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                cells.back() += '"';
                ++i;
            } else if (c == '"') {
                quoted = !quoted;
            } else if (c == ',' && !quoted) {
                cells.emplace_back();
            } else {
                cells.back() += c;
            }
        }
        rows.push_back(cells);
    }
    return rows;
}

long double ReadBack(const std::string& text) {
    std::size_t used = 0;
    const long double v = std::stold(text, &used);
    EXPECT_EQ(used, text.size()) << text;
    return v;
}

TEST_F(CliTest, SweepOfOnePointGivesExactlyTheRunsQuantities) {
    const Result single = RunCalc({"--report", m_report, "--decimal-separator", ",", "--json", "-"});
    ASSERT_EQ(single.status, 0) << single.err;
    const Result sweep = RunCalc({"--decimal-separator", ",", "--sweep", "Chastota=2300", "--json", "-"});
    ASSERT_EQ(sweep.status, 0) << sweep.err;
    const Json run = Json::parse(single.out);
    const Json grid = Json::parse(sweep.out);
    ASSERT_TRUE(grid.is_array());
    ASSERT_EQ(grid.size(), 1u);
    EXPECT_EQ(grid[0], run);
    EXPECT_EQ(run["status"], "ok");
    EXPECT_EQ(run["Izbytokvoz"].get<long double>(), 1.5L);
    // Extended, not double: the stored value is the extended nearest to 0.1.
    EXPECT_EQ(run["Poe"].get<long double>(), 0.1L);
    EXPECT_TRUE(run["M_CO"].is_null()) << "a diesel run writes no CO";
}

TEST_F(CliTest, SweepGridRecordsFailingPointsAndGoesOn) {
    const Result r = RunCalc({"--decimal-separator", ",", "--sweep", "StSzhatia=15;1;17", "--sweep",
                          "Izbytokvoz=1,4:1,6:0,2", "--csv", "-"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto rows = ParseCsv(r.out);
    ASSERT_EQ(rows.size(), 7u);
    const auto& header = rows[0];
    const auto column = [&](const std::string& name) {
        return static_cast<std::size_t>(std::find(header.begin(), header.end(), name) - header.begin());
    };
    ASSERT_LT(column("Cp_real"), header.size());
    EXPECT_EQ(header.back(), "status");
    for (std::size_t i = 1; i < rows.size(); ++i) {
        ASSERT_EQ(rows[i].size(), header.size());
        const long double eps = ReadBack(rows[i][column("StSzhatia")]);
        if (eps == 1) {
            EXPECT_EQ(rows[i].back(), "Floating point division by zero");
            EXPECT_EQ(rows[i][column("Ta")].empty(), false) << "written before the stop";
            EXPECT_EQ(rows[i][column("nv")], "") << "the stop itself";
        } else {
            EXPECT_EQ(rows[i].back(), "ok");
            EXPECT_GT(ReadBack(rows[i][column("D")]), 0);
        }
    }
    EXPECT_EQ(ReadBack(rows[2][column("Izbytokvoz")]), 1.6L);
}

TEST_F(CliTest, CsvNumbersReadBackAsTheJsonExtendedValues) {
    const Result csv = RunCalc({"--report", m_report, "--decimal-separator", ",", "--gasoline",
                            "--csv", "-"});
    const Result json = RunCalc({"--report", m_report, "--decimal-separator", ",", "--gasoline",
                             "--json", "-"});
    ASSERT_EQ(csv.status, 0);
    ASSERT_EQ(json.status, 0);
    const auto rows = ParseCsv(csv.out);
    const Json j = Json::parse(json.out);
    ASSERT_EQ(rows.size(), 2u);
    std::size_t compared = 0;
    for (std::size_t c = 0; c < rows[0].size(); ++c) {
        const Json& v = j[rows[0][c]];
        if (v.is_number_float()) {
            EXPECT_EQ(ReadBack(rows[1][c]), v.get<long double>()) << rows[0][c];
            ++compared;
        }
    }
    EXPECT_GT(compared, 60u);
}

TEST_F(CliTest, MalformedSweepIsAUsageErrorNamingTheArgument) {
    for (const std::string text : {"StSzhatia=1:2", "StSzhatia=1:2:0", "StSzhatia=a:2:1",
                                   "Bogus=1;2", "StSzhatia"}) {
        const Result r = RunCalc({"--sweep", text, "--csv", "-"});
        EXPECT_EQ(r.status, 2) << text;
        const std::string named = text.substr(text.find('=') == std::string::npos ? 0 : text.find('=') + 1);
        EXPECT_NE(r.err.find(text.find("Bogus") == 0 ? "Bogus" : named), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
    }
}

TEST_F(CliTest, SweepWritesTheReportOnlyWhenAsked) {
    const std::string home = (m_dir / "home").string();
    fs::create_directories(home);
    const std::vector<std::string> env{"HOME=" + home, "XDG_CONFIG_HOME=" + home + "/.config"};
    ASSERT_EQ(RunCalc({"--decimal-separator", ",", "--sweep", "Chastota=2000;2300", "--csv",
                   (m_dir / "a.csv").string()}, env).status, 0);
    EXPECT_FALSE(fs::exists(home + "/Documents/Tervox/result.txt"));
    EXPECT_FALSE(fs::exists(m_report));
    ASSERT_EQ(RunCalc({"--decimal-separator", ",", "--sweep", "Chastota=2000;2300", "--csv",
                   (m_dir / "b.csv").string(), "--report", m_report}, env).status, 0);
    EXPECT_NE(ReadFileBytes(m_report).find("n=2300\r\n"), std::string::npos)
        << "the last point's run is the last in the report";
}

} // namespace
