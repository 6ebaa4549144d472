#include "combustionestimate.h"

#include <array>
#include <charconv>
#include <cmath>
#include <initializer_list>

namespace tervox::calc {

namespace {

// Temperatures: t in deg C = T in K - 273, the textbook's rounding of 273.15.
constexpr long double kCelsiusZero = 273.0L;
// Universal gas constant, kJ/(kmol K): (mcp) = (mcv) + 8.315.
constexpr long double kR = 8.315L;
// Heat of the constant-pressure part of Diesel combustion, kJ/kmol per unit of
// (lambda - mu): the textbook's 2270 (= 8.315 * 273).
constexpr long double kDieselWorkTerm = 2270.0L;
// Fresh charge, taken as air, 0..1500 deg C.
constexpr HeatCapacity kAir{20.6L, 0.002638L, 0};

// Mean molar heat capacities at constant volume of the combustion products.
struct ProductSets {
    HeatCapacity cool; // 0..1500 deg C
    HeatCapacity hot;  // 1501..2800 deg C
};
constexpr ProductSets kN2{{20.398L, 0.002500L, 0}, {21.951L, 0.001457L, 0}};
constexpr ProductSets kO2{{20.930L, 0.004641L, -0.00000084L}, {23.723L, 0.001550L, 0}};
constexpr ProductSets kH2{{20.684L, 0.000206L, 0.000000588L}, {19.678L, 0.001758L, 0}};
constexpr ProductSets kCO{{20.597L, 0.002670L, 0}, {22.490L, 0.001430L, 0}};
constexpr ProductSets kCO2{{27.941L, 0.019L, -0.000005487L}, {39.123L, 0.003349L, 0}};
constexpr ProductSets kH2O{{24.953L, 0.005359L, 0}, {26.670L, 0.004438L, 0}};

constexpr long double kTzLow = 1501, kTzHigh = 2800; // deg C, the hot set
constexpr long double kTcLow = 0, kTcHigh = 1500;    // deg C, the cool set and air

bool AllFinite(std::initializer_list<long double> values) {
    for (const long double v : values)
        if (!std::isfinite(v))
            return false;
    return true;
}

CombustionEstimate Failed(CombustionEstimate e, std::string why) {
    e.failure = "No estimate: " + std::move(why);
    return e;
}

std::string Degrees(long double t) {
    return FormatFixed(t, 0, ".") + " \u00B0C";
}

} // namespace

HeatCapacity ProductsHeatCapacity(EngineType type, const CycleResults& r, bool hotSet) {
    const auto pick = [hotSet](const ProductSets& s) { return hotSet ? s.hot : s.cool; };
    struct Share {
        long double fraction;
        HeatCapacity c;
    };
    std::array<Share, 5> shares{};
    std::size_t n = 0;
    shares[n++] = {r.r_CO2.value(), pick(kCO2)};
    shares[n++] = {r.r_H2O.value(), pick(kH2O)};
    shares[n++] = {r.r_N2.value(), pick(kN2)};
    if (type == EngineType::Gasoline) {
        shares[n++] = {r.r_CO.value(), pick(kCO)};
        shares[n++] = {r.r_H2.value(), pick(kH2)};
    } else {
        shares[n++] = {r.r_O2.value(), pick(kO2)};
    }
    HeatCapacity mix;
    for (std::size_t i = 0; i < n; ++i) {
        mix.c0 += shares[i].fraction * shares[i].c.c0;
        mix.c1 += shares[i].fraction * shares[i].c.c1;
        mix.c2 += shares[i].fraction * shares[i].c.c2;
    }
    return mix;
}

CombustionEstimate EstimateCombustionState(EngineType type, const CalcState& state) {
    const EngineInput& in = state.input;
    const CycleResults& r = state.results;
    const bool diesel = type == EngineType::Diesel;
    CombustionEstimate e;
    e.type = type;

    const long double xiZ = in.ksizet.value();
    const long double lambda = in.lambd.value();
    const long double Hu = state.fuel.Hu.value() * 1000; // kJ/kg
    const long double dHu = diesel ? 0.0L : r.dHu.value() * 1000;
    const long double M1 = r.M1.value();
    const long double gammaR = r.gamma_r.value();
    const long double Tc = r.Tc.value();
    const long double Pc = r.Pc.value();
    e.mu = r.mu.value();
    const HeatCapacity residual = ProductsHeatCapacity(type, r, false);
    e.mcvZ = ProductsHeatCapacity(type, r, true);

    if (!AllFinite({xiZ, lambda, Hu, dHu, M1, gammaR, Tc, Pc, e.mu, residual.c0, residual.c1,
                    residual.c2, e.mcvZ.c0, e.mcvZ.c1}))
        return Failed(e, "a quantity of the run is not a finite number.");
    if (!(Tc > 0))
        return Failed(e, "the compression temperature Tc of the run is not above absolute zero.");
    if (!(Pc > 0))
        return Failed(e, "the compression pressure Pc of the run is not positive.");
    if (!(e.mu > 0))
        return Failed(e, "the coefficient of molecular change mu of the run is not positive.");
    if (diesel && !(lambda > 0))
        return Failed(e, "the pressure-rise ratio lambda is not positive.");
    const long double charge = M1 * (1 + gammaR); // kmol of working mixture per kg of fuel
    if (charge == 0 || 1 + gammaR == 0)
        return Failed(e, "M1 (1 + gamma_r) of the run is zero.");

    e.tc = Tc - kCelsiusZero;
    e.heatInput = xiZ * (Hu - dHu) / charge;
    e.mcvC = (kAir.at(e.tc) + gammaR * residual.at(e.tc)) / (1 + gammaR);
    if (diesel)
        e.lhs = e.heatInput + (e.mcvC + kR * lambda) * e.tc + kDieselWorkTerm * (lambda - e.mu);
    else
        e.lhs = e.heatInput + e.mcvC * e.tc;

    // mu * (c0' + c1 tz) * tz = lhs, with c0' = c0 (+ R for the Diesel's mcp):
    // a2 tz^2 + a1 tz - lhs = 0.
    const long double c0 = e.mcvZ.c0 + (diesel ? kR : 0.0L);
    const long double a2 = e.mu * e.mcvZ.c1;
    const long double a1 = e.mu * c0;
    if (!AllFinite({e.tc, e.heatInput, e.mcvC, e.lhs, a1, a2}))
        return Failed(e, "the terms of the combustion equation are out of range.");

    if (a2 == 0) {
        if (a1 == 0)
            return Failed(e, "the combustion equation has no solution for these inputs.");
        e.tz = e.lhs / a1;
    } else {
        const long double disc = a1 * a1 + 4 * a2 * e.lhs;
        if (!std::isfinite(disc))
            return Failed(e, "the terms of the combustion equation are out of range.");
        if (disc < 0)
            return Failed(e, "the combustion equation has no real root for these inputs "
                             "(too little heat for the products' heat capacity).");
        // The root of smaller magnitude: it tends to lhs / a1 as the heat capacity's
        // slope vanishes, where the other root runs off to infinity. Written without
        // the difference -a1 + sqrt(disc), which would cancel.
        const long double denominator = a1 + std::copysign(std::sqrt(disc), a1);
        e.tz = denominator != 0 ? 2 * e.lhs / denominator : -a1 / (2 * a2);
    }
    e.Tz = e.tz + kCelsiusZero;
    if (!std::isfinite(e.tz))
        return Failed(e, "the solved temperature is out of range.");
    if (!(e.Tz > 0))
        return Failed(e, "the solved temperature at the end of combustion, " +
                             FormatFixed(e.Tz, 0, ".") + " K, is not above absolute zero.");
    if (!(c0 + e.mcvZ.c1 * e.tz > 0))
        return Failed(e, "the mean heat capacity of the products at the solved temperature "
                         "is not positive.");

    if (diesel) {
        e.Pz = lambda * Pc;
        e.rho = e.mu * e.Tz / (lambda * Tc);
    } else {
        e.Pz = e.mu * Pc * e.Tz / Tc;
    }
    if (!std::isfinite(e.Pz) || (e.rho && !std::isfinite(*e.rho)))
        return Failed(e, "the estimated pressure is out of range.");

    e.tzInRange = e.tz >= kTzLow && e.tz <= kTzHigh;
    e.tcInRange = e.tc >= kTcLow && e.tc <= kTcHigh;
    return e;
}

std::string CombustionEstimate::rangeNote() const {
    if (!ok())
        return {};
    std::string note;
    if (!tzInRange)
        note += "tz = " + Degrees(tz) + " lies outside 1501..2800 \u00B0C, where the products' "
                "heat capacities hold; the estimate is an extrapolation.";
    if (!tcInRange) {
        if (!note.empty())
            note += ' ';
        note += "tc = " + Degrees(tc) + " lies outside 0..1500 \u00B0C, where the fresh "
                "charge's and residual gas's heat capacities hold.";
    }
    return note;
}

std::vector<std::pair<std::string, std::string>> EstimateFieldTexts(
    const CombustionEstimate& estimate, std::string_view decimalSeparator) {
    std::vector<std::pair<std::string, std::string>> out;
    if (!estimate.ok())
        return out;
    out.emplace_back("tzet", FormatFixed(estimate.Tz, 1, decimalSeparator));
    out.emplace_back("Pzet", FormatFixed(estimate.Pz, 4, decimalSeparator));
    if (estimate.rho)
        out.emplace_back("roh", FormatFixed(*estimate.rho, 4, decimalSeparator));
    return out;
}

std::string FormatFixed(long double value, int decimals, std::string_view decimalSeparator) {
    if (!std::isfinite(value))
        return std::isnan(value) ? "nan" : (value > 0 ? "inf" : "-inf");
    std::array<char, 128> buf{};
    std::to_chars_result res = std::to_chars(buf.data(), buf.data() + buf.size(), value,
                                             std::chars_format::fixed, decimals);
    if (res.ec != std::errc()) // too long for fixed notation: far beyond any engine quantity
        res = std::to_chars(buf.data(), buf.data() + buf.size(), value,
                            std::chars_format::scientific, decimals);
    std::string text(buf.data(), res.ptr);
    // No "-0.0": a value that rounds to zero is written as zero.
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    if (const auto dot = text.find('.'); dot != std::string::npos)
        text.replace(dot, 1, decimalSeparator);
    return text;
}

} // namespace tervox::calc
