#pragma once

#include "calcstate.h"
#include "enginetype.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tervox::calc {

// A mean molar heat capacity at constant volume, kJ/(kmol K), as a function of the
// temperature t in deg C: c0 + c1 t + c2 t^2.
struct HeatCapacity {
    long double c0 = 0, c1 = 0, c2 = 0;
    long double at(long double t) const { return c0 + c1 * t + c2 * t * t; }
};

// The state at the end of combustion estimated from the combustion equation with
// mean molar heat capacities (the textbook's hand calculation of tz, Pz and rho):
//   Gasoline: xi_z (Hu - dHu) / (M1 (1 + gamma_r)) + (mcv)'c tc = mu (mcv)''z tz,
//             Pz = mu Pc Tz / Tc;
//   Diesel:   xi_z Hu / (M1 (1 + gamma_r)) + ((mcv)'c + 8.315 lambda) tc
//             + 2270 (lambda - mu) = mu ((mcv)''z + 8.315) tz,
//             Pz = lambda Pc, rho = mu Tz / (lambda Tc).
// (mcv)'c is the working mixture at tc: air (20.6 + 0.002638 t) with gamma_r of
// residual gas, the run's products weighted by their volume fractions (0..1500 deg C
// correlations). (mcv)''z is the products at tz (1501..2800 deg C correlations),
// linear in tz, so the equation is a quadratic in tz, solved in closed form.
// Heats in kJ per kmol, Hu and dHu taken from MJ/kg; t = T - 273.
struct CombustionEstimate {
    // Empty when the equation was solved; otherwise a sentence saying why the inputs
    // give no meaningful estimate, and none of the figures below is meaningful.
    std::string failure;

    EngineType type = EngineType::Diesel;
    long double tz = 0;               // deg C
    long double Tz = 0;               // K
    long double Pz = 0;               // MPa
    std::optional<long double> rho;   // Diesel only

    // The equation as solved: heatInput + mcvC * tc (+ the Diesel terms) = lhs, and
    // mu * products(tz) * tz = lhs with products = mcvZ (Gasoline) or mcvZ + 8.315.
    long double tc = 0;               // deg C
    long double heatInput = 0;        // kJ/kmol
    long double mcvC = 0;             // (mcv)'c, kJ/(kmol K)
    HeatCapacity mcvZ;                // (mcv)''z as a function of tz
    long double lhs = 0;              // kJ/kmol
    long double mu = 0;

    // tz inside 1501..2800 deg C and tc inside 0..1500 deg C, where the correlations hold.
    bool tzInRange = false;
    bool tcInRange = false;

    bool ok() const { return failure.empty(); }
    // Empty, or a sentence on the correlations' range when tz or tc lies outside it.
    std::string rangeNote() const;
};

// The estimate for a completed run. Never throws for any state; a state that gives
// no real root, a temperature not above absolute zero or a heat capacity that is not
// positive yields an estimate with a failure text.
CombustionEstimate EstimateCombustionState(EngineType type, const CalcState& state);

// The mean molar heat capacity of the run's products as a mixture: the mole-weighted
// mean of the correlations of the set (true: 1501..2800 deg C, false: 0..1500).
HeatCapacity ProductsHeatCapacity(EngineType type, const CycleResults& results, bool hotSet);

// The field texts that carry the estimate back into the calculator: tzet (K, one
// decimal), Pzet (MPa, four decimals) and, for Diesel, roh (four decimals), with the
// decimal separator given. Empty when the estimate failed.
std::vector<std::pair<std::string, std::string>> EstimateFieldTexts(
    const CombustionEstimate& estimate, std::string_view decimalSeparator);

// value in fixed notation with that many decimals and the separator given; locale-free.
std::string FormatFixed(long double value, int decimals, std::string_view decimalSeparator);

} // namespace tervox::calc
