// Whatever the calculation state holds, the diagram and the estimate answer with
// finite numbers or with a sentence: states drawn at random around a completed run,
// with zeros, signs, extremes and non-numbers mixed in.
#include "completedrun.h"

#include "combustionestimate.h"
#include "indicatordiagram.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace {

using namespace tervox;

// Every quantity that the diagram or the estimate reads.
calc::Ext* Quantities(calc::CalcState& s, std::size_t i) {
    calc::Ext* all[] = {&s.input.StSzhatia, &s.input.nodin,   &s.input.ndva,      &s.input.roh,
                        &s.input.Pzet,      &s.input.Poe,     &s.input.ksizet,    &s.input.lambd,
                        &s.results.Pa,      &s.results.Pc,    &s.results.Pb,      &s.results.Pr,
                        &s.results.Vh,      &s.results.Pip,   &s.results.Tc,      &s.results.M1,
                        &s.results.gamma_r, &s.results.mu,    &s.results.dHu,     &s.results.r_CO2,
                        &s.results.r_H2O,   &s.results.r_N2,  &s.results.r_O2,    &s.results.r_CO,
                        &s.results.r_H2,    &s.fuel.Hu};
    return i < std::size(all) ? all[i] : nullptr;
}

long double Spoiled(long double v, std::mt19937_64& rng) {
    constexpr long double kInf = std::numeric_limits<long double>::infinity();
    constexpr long double kMax = std::numeric_limits<long double>::max();
    constexpr long double kTiny = std::numeric_limits<long double>::denorm_min();
    switch (std::uniform_int_distribution<int>(0, 11)(rng)) {
    case 0: return 0;
    case 1: return -v;
    case 2: return std::numeric_limits<long double>::quiet_NaN();
    case 3: return kInf;
    case 4: return -kInf;
    case 5: return kMax;
    case 6: return kTiny;
    case 7: return 1;
    case 8: return v * std::ldexp(1.0L, std::uniform_int_distribution<int>(-200, 200)(rng));
    default: return v * std::uniform_real_distribution<double>(0.2, 3.0)(rng);
    }
}

bool Finite(long double v) { return std::isfinite(v); }

TEST(AnyState, DiagramAndEstimateStayFiniteOrSayWhy) {
    const calc::CompletedRun runs[] = {test::Run(calc::EngineType::Diesel),
                                       test::Run(calc::EngineType::Gasoline)};
    std::mt19937_64 rng(20260305);
    int diagrams = 0, estimates = 0;
    for (int round = 0; round < 4000; ++round) {
        calc::CompletedRun run = runs[round % 2];
        // A few quantities spoiled per state, so that many states still solve.
        const int spoil = std::uniform_int_distribution<int>(1, 3)(rng);
        for (int k = 0; k < spoil; ++k) {
            calc::Ext* q = Quantities(run.state, std::uniform_int_distribution<std::size_t>(0, 25)(rng));
            *q = calc::Ext(Spoiled(q->value(), rng));
        }

        const calc::IndicatorDiagram d = calc::BuildIndicatorDiagram(run.type, run.state);
        if (d.ok()) {
            ++diagrams;
            ASSERT_TRUE(Finite(d.meanIndicatedPressure) && Finite(d.Vc) && Finite(d.Va));
            for (const calc::DiagramCurve& c : d.curves)
                for (const calc::DiagramSample& s : c.samples)
                    ASSERT_TRUE(Finite(s.V) && Finite(s.p)) << "round " << round << " " << c.name;
            ASSERT_FALSE(calc::DiagramCsv(d, ",").empty());
        } else {
            ASSERT_EQ(d.failure.rfind("No diagram: ", 0), 0u) << d.failure;
        }

        const calc::CombustionEstimate e = calc::EstimateCombustionState(run.type, run.state);
        if (e.ok()) {
            ++estimates;
            ASSERT_TRUE(Finite(e.tz) && Finite(e.Tz) && Finite(e.Pz)) << "round " << round;
            ASSERT_GT(e.Tz, 0);
            if (e.rho) {
                ASSERT_TRUE(Finite(*e.rho));
            }
            ASSERT_FALSE(calc::EstimateFieldTexts(e, ",").empty());
        } else {
            ASSERT_EQ(e.failure.rfind("No estimate: ", 0), 0u) << e.failure;
        }
    }
    // The draw reaches both outcomes often, or it tests little.
    EXPECT_GT(diagrams, 400);
    EXPECT_LT(diagrams, 3600);
    EXPECT_GT(estimates, 400);
    EXPECT_LT(estimates, 3600);
}

} // namespace
