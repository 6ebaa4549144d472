#include "stages.h"

#include "powerext.h"

namespace tervox::calc {

namespace {
constexpr long double kIncompleteCombustionLoss = 114; // MJ per kmol of missing air
constexpr long double kOneThird = 1.0L / 3;            // nearest extended, just above 1/3
} // namespace

void ComputeCombustionAndExpansion(EngineType type, const EngineInput& in,
                                   const FuelProperties& fuel, CycleResults& r, EntryWriter& out) {
    const bool gasoline = type == EngineType::Gasoline;

    // Heat lost through incomplete combustion: only a gasoline engine burns rich.
    // Not clamped: above alpha = 1 it is negative and raises Hwm.
    if (gasoline) {
        r.dHu = ((1 - in.Izbytokvoz) * kIncompleteCombustionLoss) * fuel.Lo; // MJ/kg
        out.number(entry::dHu, r.dHu);
    } else {
        r.dHu = Ext(0); // set every time, so a gasoline run's value never reaches Hwm
    }

    // Heating value of the working mixture: the divisor first, then the difference.
    {
        const Ext divisor = (r.gamma_r + 1) * r.M1;
        const Ext heat = fuel.Hu - r.dHu;
        r.Hwm = heat / divisor; // MJ/kmol
    }
    out.number(entry::Hwm, r.Hwm);

    r.mu = (r.mu0 + r.gamma_r) / (r.gamma_r + 1); // actual coefficient of molecular change
    out.number(entry::mu, r.mu);

    // The state at the end of combustion is the user's, passed on unchanged.
    out.number(entry::tzet, in.tzet);
    out.number(entry::Pzet, in.Pzet);

    // Expansion along the polytrope n2, over the full stroke for a gasoline engine
    // and over the subsequent expansion ratio delta for a diesel.
    const Ext base = gasoline ? in.StSzhatia : in.delta;
    {
        const Ext Pb = in.Pzet / PowerExt(base, in.ndva);
        const Ext Tb = in.tzet / PowerExt(base, in.ndva - 1);
        r.Pb = Pb;
        r.Tb = Tb;
    }
    out.number(entry::Pb, r.Pb);
    out.number(entry::Tb, r.Tb);

    // Check of the assumed residual-gas temperature: Tr = Tb / (Pb/Pr)^(1/3).
    r.Tr_check = r.Tb / PowerExt(r.Pb / r.Pr, Ext(kOneThird));
    out.number(entry::Tr_check, r.Tr_check);
}

} // namespace tervox::calc
