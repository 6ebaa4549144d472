// tervox-calc's --estimate and --diagram as a script meets them: the line that pastes
// back as arguments, the files by extension, the exit status of every failure.
#include "../common/runprogram.h"
#include "completedrun.h"

#include "combustionestimate.h"
#include "parsereal.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

namespace fs = std::filesystem;
using namespace tervox;

using Result = tervox::test::ProgramResult;

Result RunCalc(const std::vector<std::string>& args) {
    return tervox::test::RunProgram(TERVOX_CALC_EXE, args);
}

std::string ReadBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The line of standard output that starts with "tzet=", or "".
std::string EstimateLine(const std::string& out) {
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);)
        if (line.rfind("tzet=", 0) == 0)
            return line;
    return {};
}

std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;)
        words.push_back(w);
    return words;
}

class DiagramCliTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() /
                ("tervox_diagramcli_" + std::to_string(::getpid()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    // The common arguments: a report in the test's folder, the comma of the defaults.
    std::vector<std::string> args(std::vector<std::string> more) const {
        std::vector<std::string> all = {"--report", (m_dir / "result.txt").string(),
                                        "--decimal-separator", ","};
        all.insert(all.end(), more.begin(), more.end());
        return all;
    }
    fs::path path(const std::string& name) const { return m_dir / name; }

    fs::path m_dir;
};

struct PasteCase {
    const char* name;
    bool gasoline;
    const char* separator;
};

class EstimatePastesBack : public DiagramCliTest,
                           public ::testing::WithParamInterface<PasteCase> {};

TEST_P(EstimatePastesBack, AsArgumentsOfTheNextRun) {
    const PasteCase& c = GetParam();
    // Every default text written with the separator in force.
    std::vector<std::string> base = {"--report", path("result.txt").string(),
                                     "--decimal-separator", c.separator, "--estimate"};
    if (c.gasoline)
        base.push_back("--gasoline");
    const calc::FieldTexts defaults;
    for (const std::string_view name : calc::kFieldNames) {
        std::string text = *defaults.field(name);
        for (char& ch : text)
            if (ch == ',')
                ch = c.separator[0];
        base.push_back(std::string(name) + "=" + text);
    }

    const Result first = RunCalc(base);
    ASSERT_EQ(first.status, 0) << first.err;
    const std::string line = EstimateLine(first.out);
    ASSERT_FALSE(line.empty()) << first.out;
    EXPECT_EQ(first.err, "");

    // The line names exactly the fields the estimate fills, each with a value that a
    // run reads, and those values are the estimate of this run.
    const calc::CompletedRun run =
        test::Run(c.gasoline ? calc::EngineType::Gasoline : calc::EngineType::Diesel);
    const calc::CombustionEstimate e = calc::EstimateCombustionState(run.type, run.state);
    ASSERT_TRUE(e.ok());
    const auto words = Words(line);
    ASSERT_EQ(words.size(), c.gasoline ? 2u : 3u) << line;
    const std::array<std::pair<const char*, long double>, 3> expected = {
        {{"tzet", e.Tz}, {"Pzet", e.Pz}, {"roh", e.rho.value_or(0)}}};
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::size_t eq = words[i].find('=');
        ASSERT_NE(eq, std::string::npos);
        EXPECT_EQ(words[i].substr(0, eq), expected[i].first);
        const long double value = calc::ParseReal(words[i].substr(eq + 1), c.separator);
        EXPECT_LE(std::fabs(value - expected[i].second), i == 0 ? 0.05L : 0.00005L) << words[i];
    }

    // Pasted back, they are taken: the run completes with them, and the estimate,
    // which stands on the other inputs, comes out the same.
    auto again = base;
    again.insert(again.end(), words.begin(), words.end());
    const Result second = RunCalc(again);
    ASSERT_EQ(second.status, 0) << second.err;
    EXPECT_EQ(EstimateLine(second.out), line);
    const std::string report = ReadBytes(path("result.txt"));
    const std::string tz = words[0].substr(5);
    EXPECT_NE(report.find("=" + tz + "\r\n"), std::string::npos) << "Tz " << tz << " in the report";
}

INSTANTIATE_TEST_SUITE_P(Runs, EstimatePastesBack,
                         ::testing::Values(PasteCase{"DieselComma", false, ","},
                                           PasteCase{"GasolineComma", true, ","},
                                           PasteCase{"DieselPoint", false, "."}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DiagramCliTest, EstimateKeepsATableOnStandardOutputClean) {
    const Result r = RunCalc(args({"--estimate", "--csv", "-"}));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(EstimateLine(r.out), "");
    EXPECT_NE(r.err.find("tzet="), std::string::npos) << r.err;
}

TEST_F(DiagramCliTest, MeaninglessEstimateIsAFailureWithItsReason) {
    const Result r = RunCalc(args({"--estimate", "ksizet=-5"}));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(EstimateLine(r.out), "");
    EXPECT_NE(r.err.find("No estimate: the combustion equation has no real root"), std::string::npos)
        << r.err;
    // The run itself completed and wrote its report.
    EXPECT_NE(r.out.find("Your results saved in"), std::string::npos);
    EXPECT_TRUE(fs::exists(path("result.txt")));
}

TEST_F(DiagramCliTest, EstimateOutsideTheCorrelationsIsPrintedWithANote) {
    const Result r = RunCalc(args({"--estimate", "ksizet=0,3"}));
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(EstimateLine(r.out), "");
    EXPECT_NE(r.err.find("note: tz = "), std::string::npos) << r.err;
}

TEST_F(DiagramCliTest, DiagramFileByItsExtension) {
    {
        const Result r = RunCalc(args({"--diagram", path("d.csv").string()}));
        ASSERT_EQ(r.status, 0) << r.err;
        const std::string csv = ReadBytes(path("d.csv"));
        EXPECT_EQ(csv.rfind("kind;name;V_l;p_MPa\n", 0), 0u);
        EXPECT_NE(csv.find("\npoint;z';"), std::string::npos);
        // The points are the run's own: b at Pb, written as the report writes numbers.
        const std::string report = ReadBytes(path("result.txt"));
        const std::size_t at = report.find("\r\nPb=");
        ASSERT_NE(at, std::string::npos);
        const std::string pb = report.substr(at + 5, report.find("\r\n", at + 2) - at - 5);
        const std::size_t b = csv.find("\npoint;b;");
        ASSERT_NE(b, std::string::npos);
        EXPECT_EQ(csv.substr(csv.find(';', b + 10), pb.size() + 2), ";" + pb + "\n");
        EXPECT_GT(std::count(csv.begin(), csv.end(), '\n'), 300);
    }
    {
        const Result r = RunCalc(args({"--gasoline", "--diagram", path("d.SVG").string()}));
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        const std::string svg = ReadBytes(path("d.SVG"));
        EXPECT_NE(svg.find("<svg"), std::string::npos);
        EXPECT_NE(svg.find("Indicator diagram"), std::string::npos);
        EXPECT_NE(svg.find("Gasoline"), std::string::npos);
    }
    {
        const Result r = RunCalc(args({"--diagram", path("d.png").string()}));
        ASSERT_EQ(r.status, 0) << r.err;
        const std::string png = ReadBytes(path("d.png"));
        ASSERT_GT(png.size(), 24u);
        EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
        // Width and height in the header: 1200 x 840.
        EXPECT_EQ(png.substr(16, 8), std::string("\0\0\x04\xb0\0\0\x03\x48", 8));
    }
}

TEST_F(DiagramCliTest, OtherExtensionsAreUsageErrorsBeforeAnyRun) {
    for (const char* name : {"d.pdf", "d", "d.svg.txt", "d.jpg"}) {
        const Result r = RunCalc(args({"--diagram", path(name).string()}));
        EXPECT_EQ(r.status, 2) << name;
        EXPECT_NE(r.err.find("must end in .svg, .png or .csv"), std::string::npos) << r.err;
        EXPECT_FALSE(fs::exists(path(name))) << name;
        EXPECT_FALSE(fs::exists(path("result.txt"))) << "no run for " << name;
    }
    const Result sweep =
        RunCalc(args({"--estimate", "--sweep", "StSzhatia=15;16", "--csv", path("s.csv").string()}));
    EXPECT_EQ(sweep.status, 2);
    EXPECT_NE(sweep.err.find("--sweep"), std::string::npos) << sweep.err;
}

TEST_F(DiagramCliTest, DiagramThatCannotBeMadeOrWrittenFails) {
    // No power: the run completes with Vh = 0, which gives no diagram.
    const Result none = RunCalc(args({"--diagram", path("d.svg").string(), "Nmosnost=0"}));
    EXPECT_EQ(none.status, 1);
    EXPECT_NE(none.err.find("No diagram: the displacement Vh"), std::string::npos) << none.err;
    EXPECT_FALSE(fs::exists(path("d.svg")));

    // A folder that is a regular file (this holds for root too).
    std::ofstream(path("plain")) << "x";
    const Result unwritable = RunCalc(args({"--diagram", (path("plain") / "d.csv").string()}));
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_NE(unwritable.err.find("Could not write"), std::string::npos) << unwritable.err;
}

} // namespace
