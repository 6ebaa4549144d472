#include "stages.h"

namespace tervox::calc {
namespace {

// Gasoline: incomplete combustion below alpha = 1 leaves CO and H2 in the products.
void GasolineProducts(const EngineInput& in, const FuelProperties& fuel, CycleResults& r,
                      EntryWriter& out) {
    const Ext alpha = in.Izbytokvoz;
    r.M1 = r.aLo + 1.0L / 115;                          // air plus fuel vapour, 1/mT = 1/115
    r.M_CO = (1 - alpha) * 0.42L * (2.0L / 3) * fuel.Lo; // K = H2/CO = 0.5: 2(1-a)/(1+K) * 0.21 Lo
    r.M_CO2 = fuel.gc * (1.0L / 12) - r.M_CO;
    r.M_H2 = r.M_CO * 0.5L;
    r.M_H2O = fuel.gh * 0.5L - r.M_H2;
    r.M_N2 = 0.79L * alpha * fuel.Lo;
    r.M2 = r.M_CO + r.M_CO2 + r.M_H2 + r.M_H2O + r.M_N2;

    r.r_CO = r.M_CO / r.M2;
    r.r_CO2 = r.M_CO2 / r.M2;
    r.r_H2 = r.M_H2 / r.M2;
    r.r_H2O = r.M_H2O / r.M2;
    r.r_N2 = r.M_N2 / r.M2;
    out.number(entry::r_CO, r.r_CO);
    out.number(entry::r_CO2_G, r.r_CO2);
    out.number(entry::r_H2, r.r_H2);
    out.number(entry::r_H2O_G, r.r_H2O);
    out.number(entry::r_N2_G, r.r_N2);

    const Ext total = r.r_N2 + r.r_CO + r.r_H2 + r.r_CO2 + r.r_H2O; // 1 up to rounding
    out.number(entry::r_total_G, total);
    out.number(entry::M_CO, r.M_CO);
}

// Diesel: complete combustion with excess air leaves free oxygen.
void DieselProducts(const EngineInput& in, const FuelProperties& fuel, CycleResults& r,
                    EntryWriter& out) {
    const Ext alpha = in.Izbytokvoz;
    r.M1 = r.aLo; // the fuel's own volume is negligible in a diesel charge
    r.M_CO2 = fuel.gc * (1.0L / 12);
    r.M_H2O = fuel.gh * 0.5L;
    r.M_N2 = 0.79L * alpha * fuel.Lo;
    r.M_O2 = (alpha - 1) * 0.21L * fuel.Lo;
    r.M2 = r.M_CO2 + r.M_H2O + r.M_N2 + r.M_O2;

    r.r_O2 = r.M_O2 / r.M2;
    r.r_CO2 = r.M_CO2 / r.M2;
    r.r_H2O = r.M_H2O / r.M2;
    r.r_N2 = r.M_N2 / r.M2;
    out.number(entry::r_O2, r.r_O2);
    out.number(entry::r_CO2_D, r.r_CO2);
    out.number(entry::r_H2O_D, r.r_H2O);
    out.number(entry::r_N2_D, r.r_N2);

    const Ext total = r.r_N2 + r.r_O2 + r.r_CO2 + r.r_H2O; // 1 up to rounding
    out.number(entry::r_total_D, total);
    out.number(entry::M_O2, r.M_O2);
}

} // namespace

void ComputeChargeAndProducts(EngineType type, const EngineInput& in, const FuelProperties& fuel,
                              CycleResults& r, EntryWriter& out) {
    r.aLo = in.Izbytokvoz * fuel.Lo; // actual air, kmol per kg of fuel
    out.number(entry::aLo, r.aLo);

    if (type == EngineType::Gasoline)
        GasolineProducts(in, fuel, r, out);
    else
        DieselProducts(in, fuel, r, out);

    out.number(entry::M1, r.M1);
    out.number(entry::M_H2O, r.M_H2O);
    out.number(entry::M_N2, r.M_N2);
    out.number(entry::M_CO2, r.M_CO2);
    out.number(entry::M2, r.M2);

    r.mu0 = r.M2 / r.M1; // theoretical coefficient of molecular change
    out.number(entry::mu0, r.mu0);
}

} // namespace tervox::calc
