// The estimate of the state at the end of combustion from the combustion equation.
// The equation is written out again here, term by term from the textbook, so that
// the solved tz is checked against an independent reading of it.
#include "completedrun.h"

#include "combustionestimate.h"
#include "parsereal.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

using namespace tervox;
using calc::EngineType;

long double Rel(long double a, long double b) {
    return std::fabs(a - b) / std::fabs(b);
}

// Mean molar heat capacities at constant volume, kJ/(kmol K), t in deg C (textbook
// tables of mean heat capacities of gases).
long double Air(long double t) { return 20.6L + 0.002638L * t; }
struct Gas {
    long double r; // volume fraction in the products
    long double cool0, cool1, cool2, hot0, hot1;
};

std::vector<Gas> Products(EngineType type, const calc::CycleResults& r) {
    std::vector<Gas> g = {
        {r.r_N2.value(), 20.398L, 0.002500L, 0, 21.951L, 0.001457L},
        {r.r_CO2.value(), 27.941L, 0.019L, -0.000005487L, 39.123L, 0.003349L},
        {r.r_H2O.value(), 24.953L, 0.005359L, 0, 26.670L, 0.004438L},
    };
    if (type == EngineType::Diesel) {
        g.push_back({r.r_O2.value(), 20.930L, 0.004641L, -0.00000084L, 23.723L, 0.001550L});
    } else {
        g.push_back({r.r_CO.value(), 20.597L, 0.002670L, 0, 22.490L, 0.001430L});
        g.push_back({r.r_H2.value(), 20.684L, 0.000206L, 0.000000588L, 19.678L, 0.001758L});
    }
    return g;
}

long double ResidualGas(const std::vector<Gas>& g, long double t) {
    long double sum = 0;
    for (const Gas& x : g)
        sum += x.r * (x.cool0 + x.cool1 * t + x.cool2 * t * t);
    return sum;
}
long double HotProducts(const std::vector<Gas>& g, long double t) {
    long double sum = 0;
    for (const Gas& x : g)
        sum += x.r * (x.hot0 + x.hot1 * t);
    return sum;
}

// Both sides of the combustion equation at tz, in kJ/kmol.
struct Sides {
    long double heat, products;
};
Sides CombustionEquation(const calc::CompletedRun& run, long double tz) {
    const calc::EngineInput& in = run.state.input;
    const calc::CycleResults& r = run.state.results;
    const auto g = Products(run.type, r);
    const long double tc = r.Tc.value() - 273;
    const long double gr = r.gamma_r.value();
    const long double mcvC = (Air(tc) + gr * ResidualGas(g, tc)) / (1 + gr);
    const long double mu = r.mu.value();
    const long double lambda = in.lambd.value();
    if (run.type == EngineType::Gasoline) {
        const long double Hw = (run.state.fuel.Hu.value() - r.dHu.value()) * 1000;
        return {in.ksizet.value() * Hw / (r.M1.value() * (1 + gr)) + mcvC * tc,
                mu * HotProducts(g, tz) * tz};
    }
    return {in.ksizet.value() * run.state.fuel.Hu.value() * 1000 / (r.M1.value() * (1 + gr)) +
                (mcvC + 8.315L * lambda) * tc + 2270 * (lambda - mu),
            mu * (HotProducts(g, tz) + 8.315L) * tz};
}

struct EstimateCase {
    const char* name;
    EngineType type;
    std::vector<std::pair<std::string, std::string>> fields;
};

const EstimateCase kSolvable[] = {
    {"DieselDefaults", EngineType::Diesel, {}},
    {"GasolineDefaults", EngineType::Gasoline, {}},
    {"GasolineStoichiometric", EngineType::Gasoline, {{"Izbytokvoz", "1"}, {"StSzhatia", "9"}}},
    {"GasolineRich", EngineType::Gasoline, {{"Izbytokvoz", "0,9"}, {"StSzhatia", "8,5"}}},
    {"DieselLean", EngineType::Diesel, {{"Izbytokvoz", "2,2"}, {"ksizet", "0,85"}}},
    {"DieselRich", EngineType::Diesel, {{"Izbytokvoz", "1,2"}, {"lambd", "1,5"}}},
    {"DieselPoorHeatUse", EngineType::Diesel, {{"ksizet", "0,3"}}},
    {"DieselHotCharge", EngineType::Diesel, {{"StSzhatia", "23"}, {"DeltT", "40"}}},
};

class EstimateSolves : public ::testing::TestWithParam<EstimateCase> {};

TEST_P(EstimateSolves, TzSatisfiesTheCombustionEquation) {
    const EstimateCase& c = GetParam();
    const calc::CompletedRun run = test::Run(c.type, c.fields);
    const calc::CombustionEstimate e = calc::EstimateCombustionState(run.type, run.state);
    ASSERT_TRUE(e.ok()) << e.failure;

    const Sides s = CombustionEquation(run, e.tz);
    EXPECT_LT(Rel(s.products, s.heat), 1e-9L)
        << "tz " << static_cast<double>(e.tz) << " deg C: heat "
        << static_cast<double>(s.heat) << ", products " << static_cast<double>(s.products);
    EXPECT_EQ(e.Tz, e.tz + 273);
    EXPECT_EQ(e.tzInRange, e.tz >= 1501 && e.tz <= 2800);
    EXPECT_EQ(e.rangeNote().empty(), e.tzInRange && e.tcInRange);
}

TEST_P(EstimateSolves, PressureAndPreExpansionFollowFromTz) {
    const EstimateCase& c = GetParam();
    const calc::CompletedRun run = test::Run(c.type, c.fields);
    const calc::CombustionEstimate e = calc::EstimateCombustionState(run.type, run.state);
    ASSERT_TRUE(e.ok()) << e.failure;
    const calc::CycleResults& r = run.state.results;
    const long double lambda = run.state.input.lambd.value();
    if (c.type == EngineType::Gasoline) {
        // Isochoric combustion: p / (mu T) stays as at c.
        EXPECT_LT(Rel(e.Pz, r.mu.value() * r.Pc.value() * e.Tz / r.Tc.value()), 1e-15L);
        EXPECT_FALSE(e.rho.has_value());
    } else {
        EXPECT_LT(Rel(e.Pz, lambda * r.Pc.value()), 1e-18L);
        ASSERT_TRUE(e.rho.has_value());
        EXPECT_LT(Rel(*e.rho, r.mu.value() * e.Tz / (lambda * r.Tc.value())), 1e-15L);
    }
}

TEST_P(EstimateSolves, DoesNotDependOnTheEnteredCombustionState) {
    // Pasting the estimate back (tzet, Pzet and, for Diesel, roh) changes the run's
    // expansion but none of the quantities the estimate stands on.
    const EstimateCase& c = GetParam();
    const calc::CompletedRun run = test::Run(c.type, c.fields);
    const calc::CombustionEstimate e = calc::EstimateCombustionState(run.type, run.state);
    ASSERT_TRUE(e.ok()) << e.failure;
    auto fields = c.fields;
    for (const auto& [name, text] : calc::EstimateFieldTexts(e, ","))
        fields.emplace_back(name, text);
    const calc::CompletedRun again = test::Run(c.type, fields);
    const calc::CombustionEstimate e2 = calc::EstimateCombustionState(again.type, again.state);
    ASSERT_TRUE(e2.ok()) << e2.failure;
    EXPECT_EQ(e2.tz, e.tz);
    EXPECT_EQ(e2.Pz, e.Pz);
}

INSTANTIATE_TEST_SUITE_P(Runs, EstimateSolves, ::testing::ValuesIn(kSolvable),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Estimate, DefaultDieselLandsInTheUsualBand) {
    const calc::CompletedRun run = test::Run(EngineType::Diesel);
    const calc::CombustionEstimate e = calc::EstimateCombustionState(run.type, run.state);
    ASSERT_TRUE(e.ok()) << e.failure;
    // Diesel engines at full load: Tz of about 1800 to 2300 K.
    EXPECT_GT(e.Tz, 1800);
    EXPECT_LT(e.Tz, 2300);
    EXPECT_TRUE(e.tzInRange);
    EXPECT_TRUE(e.tcInRange);
    // rho a little above 1, Pz the run's lambda * Pc.
    ASSERT_TRUE(e.rho);
    EXPECT_GT(*e.rho, 1);
    EXPECT_LT(*e.rho, 1.7L);
}

TEST(Estimate, MoreHeatUsedGivesAHotterEnd) {
    long double previous = 0;
    for (const char* ksizet : {"0,6", "0,7", "0,8", "0,9"}) {
        const calc::CompletedRun run = test::Run(EngineType::Diesel, {{"ksizet", ksizet}});
        const calc::CombustionEstimate e = calc::EstimateCombustionState(run.type, run.state);
        ASSERT_TRUE(e.ok()) << e.failure;
        EXPECT_GT(e.Tz, previous) << ksizet;
        previous = e.Tz;
    }
}

TEST(Estimate, OutsideTheCorrelationsRangeIsSaid) {
    const calc::CompletedRun run = test::Run(EngineType::Diesel, {{"ksizet", "0,3"}});
    const calc::CombustionEstimate e = calc::EstimateCombustionState(run.type, run.state);
    ASSERT_TRUE(e.ok()) << e.failure;
    EXPECT_LT(e.tz, 1501);
    EXPECT_FALSE(e.tzInRange);
    EXPECT_NE(e.rangeNote().find("1501..2800"), std::string::npos) << e.rangeNote();
}

// Inputs under which the equation means nothing: each gives a sentence.
struct MeaninglessCase {
    const char* name;
    EngineType type;
    std::vector<std::pair<std::string, std::string>> fields;
    const char* mentions;
};

const MeaninglessCase kMeaningless[] = {
    // A large negative heat-use coefficient: heat far below what any tz can take.
    {"NoRealRoot", EngineType::Diesel, {{"ksizet", "-5"}}, "no real root"},
    {"NoRealRootGasoline", EngineType::Gasoline, {{"ksizet", "-5"}}, "no real root"},
    // A smaller negative one: a root, but below absolute zero.
    {"BelowAbsoluteZero", EngineType::Diesel, {{"ksizet", "-0,75"}}, "absolute zero"},
    // A negative ambient temperature carries through to a negative Tc.
    {"NegativeCompressionTemperature", EngineType::Diesel, {{"Toe", "-400"}}, "Tc"},
};

class EstimateRefuses : public ::testing::TestWithParam<MeaninglessCase> {};

TEST_P(EstimateRefuses, WithAClearMessage) {
    const MeaninglessCase& c = GetParam();
    const calc::CompletedRun run = test::Run(c.type, c.fields);
    const calc::CombustionEstimate e = calc::EstimateCombustionState(run.type, run.state);
    EXPECT_FALSE(e.ok());
    EXPECT_EQ(e.failure.rfind("No estimate: ", 0), 0u) << e.failure;
    EXPECT_NE(e.failure.find(c.mentions), std::string::npos) << e.failure;
    EXPECT_TRUE(calc::EstimateFieldTexts(e, ",").empty());
    EXPECT_TRUE(e.rangeNote().empty());
}

INSTANTIATE_TEST_SUITE_P(Inputs, EstimateRefuses, ::testing::ValuesIn(kMeaningless),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EstimateRefuses, StatesThatNoRunLeaves) {
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    const long double inf = std::numeric_limits<long double>::infinity();
    calc::CalcState zero;
    calc::CalcState notANumber = test::Run(EngineType::Diesel).state;
    notANumber.results.r_N2 = calc::Ext(nan);
    calc::CalcState infinite = test::Run(EngineType::Gasoline).state;
    infinite.input.ksizet = calc::Ext(inf);
    calc::CalcState huge = test::Run(EngineType::Diesel).state;
    huge.input.ksizet = calc::Ext(std::numeric_limits<long double>::max());
    calc::CalcState noMolecularChange = test::Run(EngineType::Gasoline).state;
    noMolecularChange.results.mu = calc::Ext(0);
    // A negative lambda stops a Diesel run at the cylinder bore; the state alone can
    // still hold one.
    calc::CalcState negativeLambda = test::Run(EngineType::Diesel).state;
    negativeLambda.input.lambd = calc::Ext(-1.8L);
    for (const auto& [type, state] :
         {std::pair{EngineType::Diesel, zero}, std::pair{EngineType::Gasoline, zero},
          std::pair{EngineType::Diesel, notANumber}, std::pair{EngineType::Gasoline, infinite},
          std::pair{EngineType::Diesel, huge}, std::pair{EngineType::Gasoline, noMolecularChange},
          std::pair{EngineType::Diesel, negativeLambda}}) {
        const calc::CombustionEstimate e = calc::EstimateCombustionState(type, state);
        EXPECT_FALSE(e.ok()) << "tz " << static_cast<double>(e.tz);
        EXPECT_EQ(e.failure.rfind("No estimate: ", 0), 0u) << e.failure;
    }
}

struct TextCase {
    const char* separator;
};

class EstimateTexts : public ::testing::TestWithParam<TextCase> {};

TEST_P(EstimateTexts, ReadBackAsTheRunWouldReadThem) {
    const char* sep = GetParam().separator;
    for (const EngineType type : {EngineType::Diesel, EngineType::Gasoline}) {
        const calc::CompletedRun run = test::Run(type);
        const calc::CombustionEstimate e = calc::EstimateCombustionState(run.type, run.state);
        ASSERT_TRUE(e.ok()) << e.failure;
        const auto texts = calc::EstimateFieldTexts(e, sep);
        ASSERT_EQ(texts.size(), type == EngineType::Diesel ? 3u : 2u);
        EXPECT_EQ(texts[0].first, "tzet");
        EXPECT_EQ(texts[1].first, "Pzet");
        // Tz to a tenth of a kelvin, Pz and rho to four decimals.
        EXPECT_LE(std::fabs(calc::ParseReal(texts[0].second, sep) - e.Tz), 0.05L);
        EXPECT_LE(std::fabs(calc::ParseReal(texts[1].second, sep) - e.Pz), 0.00005L);
        EXPECT_NE(texts[1].second.find(sep), std::string::npos) << texts[1].second;
        if (type == EngineType::Diesel) {
            EXPECT_EQ(texts[2].first, "roh");
            EXPECT_LE(std::fabs(calc::ParseReal(texts[2].second, sep) - *e.rho), 0.00005L);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Separators, EstimateTexts,
                         ::testing::Values(TextCase{","}, TextCase{"."}));

struct FixedCase {
    long double value;
    int decimals;
    const char* separator;
    const char* text;
};

class FixedFormat : public ::testing::TestWithParam<FixedCase> {};

TEST_P(FixedFormat, WritesTheDecimalsAsked) {
    const FixedCase& c = GetParam();
    EXPECT_EQ(calc::FormatFixed(c.value, c.decimals, c.separator), c.text);
}

INSTANTIATE_TEST_SUITE_P(Values, FixedFormat,
                         ::testing::Values(FixedCase{2103.24L, 1, ",", "2103,2"},
                                           FixedCase{2103.26L, 1, ".", "2103.3"},
                                           FixedCase{7.21443L, 4, ",", "7,2144"},
                                           FixedCase{-0.00001L, 4, ",", "0,0000"},
                                           FixedCase{-12.4L, 0, ".", "-12"},
                                           FixedCase{1830.6L, 0, ".", "1831"}));

} // namespace
