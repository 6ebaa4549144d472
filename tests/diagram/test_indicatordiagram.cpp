// The indicator diagram of a completed run: its construction from the run's own
// quantities, its mean indicated pressure against Pip, and its table form.
#include "../calc/localefixture.h"
#include "completedrun.h"

#include "indicatordiagram.h"
#include "numberformat.h"
#include "parsereal.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <sstream>

namespace {

using namespace tervox;
using calc::EngineType;

[[maybe_unused]] const auto* const kLocale =
    ::testing::AddGlobalTestEnvironment(new ProcessLocaleEnvironment);

bool Same(calc::DiagramSample a, calc::DiagramSample b) {
    return a.V == b.V && a.p == b.p;
}

long double Rel(long double a, long double b) {
    return std::fabs(a - b) / std::fabs(b);
}

struct DiagramCase {
    const char* name;
    EngineType type;
    std::vector<std::pair<std::string, std::string>> fields;
};

// Runs that complete with a drawable diagram: the defaults and departures from them
// in every quantity the construction uses.
const DiagramCase kCases[] = {
    {"DieselDefaults", EngineType::Diesel, {}},
    {"GasolineDefaults", EngineType::Gasoline, {}},
    {"GasolineRich", EngineType::Gasoline, {{"Izbytokvoz", "0,9"}, {"StSzhatia", "9"}}},
    {"DieselHighCompression", EngineType::Diesel, {{"StSzhatia", "21"}, {"roh", "1,2"}}},
    {"DieselNoChargingGain", EngineType::Diesel, {{"fi1", "1"}, {"nodin", "1,33"}}},
    {"DieselWholeExponents", EngineType::Diesel, {{"nodin", "2"}, {"ndva", "2"}}},
    {"GasolineSmallEngine", EngineType::Gasoline, {{"Nmosnost", "7,5"}, {"Chislocilind", "1"}}},
};

class DiagramConstruction : public ::testing::TestWithParam<DiagramCase> {};

TEST_P(DiagramConstruction, PassesExactlyThroughTheRunsCharacteristicPoints) {
    const DiagramCase& c = GetParam();
    const calc::CompletedRun run = test::Run(c.type, c.fields);
    const calc::IndicatorDiagram d = calc::BuildIndicatorDiagram(run.type, run.state);
    ASSERT_TRUE(d.ok()) << d.failure;

    const calc::EngineInput& in = run.state.input;
    const calc::CycleResults& r = run.state.results;
    // Volumes of the textbook's construction, from the run's displacement in litres.
    const long double Vc = r.Vh.value() / (in.StSzhatia.value() - 1);
    const long double Va = in.StSzhatia.value() * Vc;
    const long double Vz = c.type == EngineType::Diesel ? in.roh.value() * Vc : Vc;
    EXPECT_EQ(d.Vc, Vc);
    EXPECT_EQ(d.Va, Va);
    EXPECT_EQ(d.Vz, Vz);

    const calc::DiagramSample a{Va, r.Pa.value()}, cc{Vc, r.Pc.value()},
        z{Vz, in.Pzet.value()}, b{Va, r.Pb.value()}, rr{Vc, r.Pr.value()};
    ASSERT_TRUE(d.point("a") && d.point("c") && d.point("z") && d.point("b") && d.point("r"));
    EXPECT_TRUE(Same(d.point("a")->at, a));
    EXPECT_TRUE(Same(d.point("c")->at, cc));
    EXPECT_TRUE(Same(d.point("z")->at, z));
    EXPECT_TRUE(Same(d.point("b")->at, b));
    EXPECT_TRUE(Same(d.point("r")->at, rr));
    if (c.type == EngineType::Diesel) {
        ASSERT_TRUE(d.point("z'"));
        EXPECT_TRUE(Same(d.point("z'")->at, (calc::DiagramSample{Vc, in.Pzet.value()})));
        EXPECT_EQ(d.points.size(), 6u);
    } else {
        EXPECT_EQ(d.point("z'"), nullptr);
        EXPECT_EQ(d.points.size(), 5u);
    }

    // The lines join at the points themselves, not at the polytropes' rounding of them.
    const auto* compression = d.curve("compression");
    const auto* combustion = d.curve("combustion");
    const auto* expansion = d.curve("expansion");
    const auto* release = d.curve("release");
    ASSERT_TRUE(compression && combustion && expansion && release && d.curve("exhaust") &&
                d.curve("intake"));
    EXPECT_TRUE(Same(compression->samples.front(), a));
    EXPECT_TRUE(Same(compression->samples.back(), cc));
    EXPECT_TRUE(Same(combustion->samples.front(), cc));
    EXPECT_TRUE(Same(combustion->samples.back(), z));
    EXPECT_TRUE(Same(expansion->samples.front(), z));
    EXPECT_TRUE(Same(expansion->samples.back(), b));
    EXPECT_TRUE(Same(release->samples.front(), b));
    EXPECT_TRUE(Same(release->samples.back(), a));
    EXPECT_TRUE(Same(d.curve("exhaust")->samples.back(), rr));
    EXPECT_TRUE(Same(d.curve("intake")->samples.front(), rr));
    EXPECT_TRUE(Same(d.curve("intake")->samples.back(), a));
}

TEST_P(DiagramConstruction, PolytropesFollowTheRunsExponents) {
    const DiagramCase& c = GetParam();
    const calc::CompletedRun run = test::Run(c.type, c.fields);
    const calc::IndicatorDiagram d = calc::BuildIndicatorDiagram(run.type, run.state);
    ASSERT_TRUE(d.ok()) << d.failure;
    const calc::EngineInput& in = run.state.input;
    const calc::CycleResults& r = run.state.results;
    const long double n1 = in.nodin.value(), n2 = in.ndva.value();

    // Compression through c: p V^n1 = Pc Vc^n1 everywhere after the charging step,
    // which starts the polytrope at phi1 * Pa on the line V = Va.
    const auto& comp = d.curve("compression")->samples;
    EXPECT_LT(Rel(comp[1].p, in.fi1.value() * r.Pa.value()), 1e-15L);
    for (std::size_t i = 1; i < comp.size(); ++i)
        EXPECT_LT(Rel(comp[i].p * std::pow(comp[i].V, n1), r.Pc.value() * std::pow(d.Vc, n1)),
                  1e-15L)
            << "sample " << i;
    // Expansion from z: p V^n2 = Pz Vz^n2, and the run's Pb lies on it.
    const auto& exp = d.curve("expansion")->samples;
    for (const calc::DiagramSample& s : exp)
        EXPECT_LT(Rel(s.p * std::pow(s.V, n2), in.Pzet.value() * std::pow(d.Vz, n2)), 1e-15L);

    // Volumes run one way along each polytrope, from Va to Vc and from Vz to Va, with
    // the steps growing with V: the samples crowd where the curve bends.
    for (std::size_t i = 2; i < comp.size(); ++i)
        EXPECT_LT(comp[i].V, comp[i - 1].V);
    for (std::size_t i = 1; i < exp.size(); ++i)
        EXPECT_GT(exp[i].V, exp[i - 1].V);
    EXPECT_LT(exp[1].V - exp[0].V, exp.back().V - exp[exp.size() - 2].V);
    EXPECT_LT(comp[comp.size() - 2].V - comp.back().V, comp[1].V - comp[2].V);

    std::size_t total = 0;
    for (const calc::DiagramCurve& curve : d.curves)
        total += curve.samples.size();
    EXPECT_GE(total, 200u);
    EXPECT_LE(total, 1000u);
}

// The textbook's Pip is the area of this very diagram divided by Vh when the
// combustion pressure is lambda * Pc. With the entered Pz the two differ only by
// Pz / (lambda Pc) - 1 in the expansion and combustion work.
TEST_P(DiagramConstruction, MeanPressureOfTheLoopIsPipWhenPzIsLambdaPc) {
    const DiagramCase& c = GetParam();
    const calc::CompletedRun first = test::Run(c.type, c.fields);
    const long double lambdaPc =
        first.state.input.lambd.value() * first.state.results.Pc.value();
    auto fields = c.fields;
    fields.emplace_back("Pzet", report::FormatNumber(lambdaPc, ","));
    const calc::CompletedRun run = test::Run(c.type, fields);
    ASSERT_LT(Rel(run.state.input.Pzet.value(), lambdaPc), 1e-14L);

    const calc::IndicatorDiagram d = calc::BuildIndicatorDiagram(run.type, run.state);
    ASSERT_TRUE(d.ok()) << d.failure;
    EXPECT_EQ(d.Pip, run.state.results.Pip.value());
    // Trapezoids over 160 steps per polytrope: well inside 1e-4 of the exact area.
    EXPECT_LT(Rel(d.meanIndicatedPressure, d.Pip), 1e-4L)
        << "loop " << static_cast<double>(d.meanIndicatedPressure) << " MPa, Pip "
        << static_cast<double>(d.Pip) << " MPa";
}

INSTANTIATE_TEST_SUITE_P(Runs, DiagramConstruction, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DiagramMeanPressure, AgreesWithPipWithinAFewPerCentOnTheDefaults) {
    for (const EngineType type : {EngineType::Diesel, EngineType::Gasoline}) {
        const calc::CompletedRun run = test::Run(type);
        const calc::IndicatorDiagram d = calc::BuildIndicatorDiagram(run.type, run.state);
        ASSERT_TRUE(d.ok()) << d.failure;
        EXPECT_GT(d.meanIndicatedPressure, 0);
        EXPECT_LT(Rel(d.meanIndicatedPressure, d.Pip), 0.03L)
            << (type == EngineType::Diesel ? "Diesel" : "Gasoline") << ": loop "
            << static_cast<double>(d.meanIndicatedPressure) << " MPa, Pip "
            << static_cast<double>(d.Pip) << " MPa";
    }
}

TEST(DiagramMeanPressure, DieselLoopIsLargerThanGasolineLoopWithTheSameInputs) {
    // The same pressures and ratios: the Diesel's constant-pressure line adds the area
    // lambda Pc (rho - 1) Vc, and its expansion starts further out.
    const calc::CompletedRun diesel = test::Run(EngineType::Diesel);
    const calc::CompletedRun gasoline = test::Run(EngineType::Gasoline);
    const auto dd = calc::BuildIndicatorDiagram(diesel.type, diesel.state);
    const auto dg = calc::BuildIndicatorDiagram(gasoline.type, gasoline.state);
    EXPECT_GT(dd.meanIndicatedPressure, dg.meanIndicatedPressure);
}

// States that give no diagram: each gives a sentence, never a crash or a NaN.
struct BrokenState {
    const char* name;
    EngineType type;
    void (*spoil)(calc::CalcState&);
    const char* mentions;
};

const BrokenState kBroken[] = {
    {"NothingRunYet", EngineType::Diesel, [](calc::CalcState& s) { s = calc::CalcState{}; }, "Vh"},
    {"ZeroDisplacement", EngineType::Diesel,
     [](calc::CalcState& s) { s.results.Vh = calc::Ext(0); }, "Vh"},
    {"NegativeDisplacement", EngineType::Gasoline,
     [](calc::CalcState& s) { s.results.Vh = calc::Ext(-0.5L); }, "Vh"},
    {"CompressionRatioOne", EngineType::Gasoline,
     [](calc::CalcState& s) { s.input.StSzhatia = calc::Ext(1); }, "compression ratio"},
    {"NegativeIntakePressure", EngineType::Diesel,
     [](calc::CalcState& s) { s.results.Pa = calc::Ext(-0.01L); }, "pressures"},
    {"ZeroResidualPressure", EngineType::Gasoline,
     [](calc::CalcState& s) { s.results.Pr = calc::Ext(0); }, "pressures"},
    {"PreExpansionBelowOne", EngineType::Diesel,
     [](calc::CalcState& s) { s.input.roh = calc::Ext(0.8L); }, "ro"},
    {"PreExpansionBeyondCompression", EngineType::Diesel,
     [](calc::CalcState& s) { s.input.roh = calc::Ext(16); }, "ro"},
    {"NotANumber", EngineType::Diesel,
     [](calc::CalcState& s) { s.results.Pc = calc::Ext(std::numeric_limits<long double>::quiet_NaN()); },
     "finite"},
    {"Infinite", EngineType::Gasoline,
     [](calc::CalcState& s) { s.results.Vh = calc::Ext(std::numeric_limits<long double>::infinity()); },
     "finite"},
    {"LoopWorkOverflows", EngineType::Diesel,
     [](calc::CalcState& s) {
         s.input.Pzet = calc::Ext(1e4930L);
         s.results.Vh = calc::Ext(1e10L);
     },
     "work of the loop"},
    {"PolytropeOverflows", EngineType::Diesel,
     [](calc::CalcState& s) { s.input.nodin = calc::Ext(1e6L); }, "out of range"},
};

class DiagramFailure : public ::testing::TestWithParam<BrokenState> {};

TEST_P(DiagramFailure, SaysWhyInsteadOfDrawing) {
    const BrokenState& c = GetParam();
    calc::CompletedRun run = test::Run(c.type);
    c.spoil(run.state);
    const calc::IndicatorDiagram d = calc::BuildIndicatorDiagram(run.type, run.state);
    EXPECT_FALSE(d.ok());
    EXPECT_NE(d.failure.find(c.mentions), std::string::npos) << d.failure;
    EXPECT_EQ(d.failure.rfind("No diagram: ", 0), 0u) << d.failure;
    EXPECT_TRUE(d.curves.empty());
    EXPECT_TRUE(d.points.empty());
}

INSTANTIATE_TEST_SUITE_P(States, DiagramFailure, ::testing::ValuesIn(kBroken),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DiagramFailure, ARunWithoutPowerCompletesButHasNoDiagram) {
    // Nmosnost = 0 is no error for the run: Vh, D and S come out 0.
    const calc::CompletedRun run = test::Run(EngineType::Diesel, {{"Nmosnost", "0"}});
    const calc::IndicatorDiagram d = calc::BuildIndicatorDiagram(run.type, run.state);
    EXPECT_FALSE(d.ok());
    EXPECT_NE(d.failure.find("Vh"), std::string::npos);
}

// The table form: every sample and point once, each number readable back.
struct CsvCase {
    const char* separator;
    char delimiter;
};

class DiagramTable : public ::testing::TestWithParam<CsvCase> {};

TEST_P(DiagramTable, HoldsEverySampleAndPointReadableBack) {
    const CsvCase& c = GetParam();
    const calc::CompletedRun run = test::Run(EngineType::Diesel);
    const calc::IndicatorDiagram d = calc::BuildIndicatorDiagram(run.type, run.state);
    ASSERT_TRUE(d.ok());
    const std::string csv = calc::DiagramCsv(d, c.separator);

    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(csv);
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> cells;
        std::size_t start = 0;
        for (std::size_t at; (at = line.find(c.delimiter, start)) != std::string::npos; start = at + 1)
            cells.push_back(line.substr(start, at - start));
        cells.push_back(line.substr(start));
        ASSERT_EQ(cells.size(), 4u) << line;
        rows.push_back(cells);
    }
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows[0], (std::vector<std::string>{"kind", "name", "V_l", "p_MPa"}));

    std::vector<std::pair<std::string, calc::DiagramSample>> expected;
    for (const calc::DiagramCurve& curve : d.curves)
        for (const calc::DiagramSample& s : curve.samples)
            expected.emplace_back("curve " + curve.name, s);
    for (const calc::DiagramPoint& p : d.points)
        expected.emplace_back("point " + p.name, p.at);
    ASSERT_EQ(rows.size(), expected.size() + 1);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const auto& row = rows[i + 1];
        EXPECT_EQ(row[0] + " " + row[1], expected[i].first);
        // Fifteen significant digits, as the report writes numbers.
        EXPECT_LT(Rel(calc::ParseReal(row[2], c.separator), expected[i].second.V), 1e-14L);
        EXPECT_LT(Rel(calc::ParseReal(row[3], c.separator), expected[i].second.p), 1e-14L);
    }
}

INSTANTIATE_TEST_SUITE_P(Separators, DiagramTable,
                         ::testing::Values(CsvCase{",", ';'}, CsvCase{".", ','}));

} // namespace
