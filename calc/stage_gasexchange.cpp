#include "stages.h"

#include "powerext.h"

namespace tervox::calc {

namespace {
constexpr long double kAirGasConstant = 287;   // J/(kg K), specific gas constant of air
constexpr long double kPaPerMPa = 1000000;     // MPa to Pa
constexpr long double kMPaPerPa = 1e-6L;       // Pa to MPa: multiplied, never divided
} // namespace

void ComputeGasExchange(const EngineInput& in, CycleResults& r, EntryWriter& out) {
    const Ext eps = in.StSzhatia;

    // Density of the fresh charge at ambient conditions, from the gas law.
    r.ro0 = (in.Poe * kPaPerMPa) / (in.Toe * kAirGasConstant); // kg/m3
    out.number(entry::ro0, r.ro0);

    r.Pr = in.poctkoeff * in.Poe; // residual-gas pressure, MPa
    out.number(entry::Pr, r.Pr);

    // Hydraulic loss in the intake tract, formed strictly left to right.
    r.dPa = in.betaplusksi * in.Dublw * in.Dublw * 0.5L * r.ro0 * kMPaPerPa; // MPa
    out.number(entry::dPa, r.dPa);

    r.Pa = in.Poe - r.dPa; // pressure at the end of intake, MPa
    out.number(entry::Pa, r.Pa);

    // Residual-gas coefficient: the heated-charge quotient first, then eps*Pa - Pr.
    {
        const Ext heated = (in.Toe + in.DeltT) / in.totrab;
        const Ext bracket = eps * r.Pa - r.Pr;
        const Ext share = r.Pr / bracket;
        r.gamma_r = heated * share;
    }
    out.number(entry::gamma_r, r.gamma_r);

    // Temperature at the end of intake: mixing of the heated charge and residual gas.
    r.Ta = (in.fii * r.gamma_r * in.totrab + (in.Toe + in.DeltT)) / (r.gamma_r + 1); // K
    out.number(entry::Ta, r.Ta);

    // Volumetric efficiency; the last denominator is the numerator of Ta formed anew.
    {
        const Ext charging = (in.fi1 * r.Pa) / in.Poe;
        const Ext compression = eps / (eps - 1);
        const Ext heating = in.Toe / (in.fii * r.gamma_r * in.totrab + (in.Toe + in.DeltT));
        r.nv = charging * compression * heating;
    }
    out.number(entry::nv, r.nv);

    // End of compression along the polytrope n1: the power first, then the product.
    r.Pc = PowerExt(eps, in.nodin) * (in.fi1 * r.Pa); // MPa
    out.number(entry::Pc, r.Pc);

    r.Tc = PowerExt(eps, in.nodin - 1) * r.Ta; // K
    out.number(entry::Tc, r.Tc);
}

} // namespace tervox::calc
