#pragma once

#include "ext.h"

namespace tervox::calc {

// Every quantity a run computes, under its engine-theory symbol. Amounts are in
// kmol per kg of fuel, pressures in MPa, temperatures in K.
struct CycleResults {
    // Fresh charge and combustion products
    Ext aLo, M1, M_CO, M_CO2, M_H2, M_H2O, M_N2, M_O2, M2;
    Ext r_CO, r_CO2, r_H2, r_H2O, r_N2, r_O2;
    Ext mu0;
    // Gas exchange and compression
    Ext ro0, Pr, dPa, Pa, gamma_r, Ta, nv, Pc, Tc;
    // Combustion and expansion
    Ext dHu, Hwm, mu, Pb, Tb, Tr_check;
    // Indicated and effective performance, cylinder sizing
    Ext Pip, Pi, eta_i, gi, Pm, Pe, eta_m, eta_e, ge, Gt;
    Ext Vh, D, S, Cp_real;
};

} // namespace tervox::calc
