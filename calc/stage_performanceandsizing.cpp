#include "stages.h"

#include "powerext.h"

namespace tervox::calc {

namespace {
constexpr long double kSecondsPerHour = 3600;      // gi in g/(kW h) from Hu in MJ/kg
constexpr long double kKgPerG = 0.001L;            // multiplied, never divided by 1000
constexpr long double kFourStroke = 120;           // Vh in litres from kW, MPa and 1/min
constexpr long double kPi = 3.141592653589793L;    // the 16-digit decimal, not the extended pi
constexpr long double kOneThird = 1.0L / 3;        // nearest extended, just above 1/3
constexpr long double kMmPerDm = 100;
constexpr long double kPistonSpeed = 1.0L / 30000; // m/s from mm and 1/min: multiplied

// 1 - 1/x^k, the share of a polytrope's work term: the power, its reciprocal, the difference.
Ext PolytropeShare(Ext x, Ext k) {
    const Ext power = PowerExt(x, k);
    const Ext reciprocal = 1 / power;
    return 1 - reciprocal;
}
} // namespace

void ComputePerformanceAndSizing(EngineType type, const EngineInput& in,
                                 const FuelProperties& fuel, CycleResults& r, EntryWriter& out) {
    const Ext eps = in.StSzhatia;

    // Theoretical mean indicated pressure of the rounded-off cycle.
    if (type == EngineType::Gasoline) {
        const Ext shareA = PolytropeShare(eps, in.ndva - 1);
        const Ext A = shareA * (in.lambd / (in.ndva - 1));
        const Ext shareB = PolytropeShare(eps, in.nodin - 1);
        const Ext B = shareB * (1 / (in.nodin - 1));
        r.Pip = (A - B) * (r.Pc / (eps - 1));
    } else {
        const Ext shareA = PolytropeShare(in.delta, in.ndva - 1);
        const Ext A = shareA * ((in.lambd * in.roh) / (in.ndva - 1));
        const Ext shareB = PolytropeShare(eps, in.nodin - 1);
        const Ext B = shareB * (1 / (in.nodin - 1));
        r.Pip = ((A - B) + (in.roh - 1) * in.lambd) * (r.Pc / (eps - 1));
    }
    out.number(entry::Pip, r.Pip);

    r.Pi = in.phii * r.Pip; // rounded by the fullness of the real diagram, MPa
    out.number(entry::Pi, r.Pi);

    r.eta_i = (r.Pi * in.Izbytokvoz * fuel.l0) / (fuel.Hu * r.ro0 * r.nv);
    out.number(entry::eta_i, r.eta_i);

    r.gi = kSecondsPerHour / (fuel.Hu * r.eta_i); // g/(kW h)
    out.number(entry::gi, r.gi);

    r.Pm = in.koefb * in.skpor + in.koefa; // mechanical losses grow with piston speed, MPa
    out.number(entry::Pm, r.Pm);

    {
        const Ext Pe = r.Pi - r.Pm;
        const Ext eta_m = Pe / r.Pi;
        r.Pe = Pe;
        r.eta_m = eta_m;
    }
    out.number(entry::Pe, r.Pe);
    out.number(entry::eta_m, r.eta_m);

    r.eta_e = r.eta_i * r.eta_m;
    out.number(entry::eta_e, r.eta_e);

    {
        const Ext ge = r.gi / r.eta_m;                       // g/(kW h)
        const Ext Gt = ge * in.Nmosnost * kKgPerG;            // kg/h
        r.ge = ge;
        r.Gt = Gt;
    }
    out.number(entry::ge, r.ge);
    out.number(entry::Gt, r.Gt);

    // Cylinder size from the power it must deliver at the rated speed.
    r.Vh = (in.Nmosnost * kFourStroke) / (r.Pe * in.Chastota * in.Chislocilind); // litres
    out.number(entry::Vh, r.Vh);

    r.D = PowerExt((r.Vh * 4) / (kPi * in.k_tk), Ext(kOneThird)) * kMmPerDm; // mm
    out.number(entry::D, r.D);

    r.S = r.D * in.k_tk; // mm
    out.number(entry::S, r.S);

    r.Cp_real = r.S * in.Chastota * kPistonSpeed; // m/s
    out.number(entry::Cp_real, r.Cp_real);
}

} // namespace tervox::calc
