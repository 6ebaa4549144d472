#pragma once

#include "ext.h"

namespace tervox::calc {

// The twenty-six inputs of one run, named after the calculator window's fields,
// plus the derived subsequent expansion ratio delta = StSzhatia / roh.
struct EngineInput {
    Ext Chislocilind; // i, number of cylinders (a real: 4,5 is used as 4.5)
    Ext Chastota;     // n, rated crankshaft speed, 1/min
    Ext Izbytokvoz;   // alpha, excess-air coefficient
    Ext Nmosnost;     // Ne, rated effective power, kW
    Ext StSzhatia;    // epsilon, compression ratio
    Ext Toe;          // To, ambient temperature, K
    Ext Poe;          // Po, ambient pressure, MPa
    Ext poctkoeff;    // Pr as a multiple of Po
    Ext totrab;       // Tr, residual-gas temperature, K
    Ext DeltT;        // dT, heating of the fresh charge, K (a whole number)
    Ext betaplusksi;  // beta^2 + xi, intake loss coefficient
    Ext Dublw;        // omega, mean charge speed in the intake, m/s
    Ext fii;          // phi, coefficient of the residual-gas term
    Ext fi1;          // phi1, additional-charging coefficient
    Ext nodin;        // n1, polytropic exponent of compression
    Ext ksizet;       // xi_z, heat-use coefficient at the end of combustion
    Ext ndva;         // n2, polytropic exponent of expansion
    Ext tzet;         // Tz, temperature at the end of combustion, K
    Ext Pzet;         // Pz, pressure at the end of combustion, MPa
    Ext lambd;        // lambda, pressure-rise ratio
    Ext roh;          // rho, pre-expansion ratio
    Ext phii;         // phi_i, fullness coefficient of the indicator diagram
    Ext koefa;        // a, constant term of the mechanical-loss pressure, MPa
    Ext koefb;        // b, piston-speed term of the mechanical-loss pressure, MPa s/m
    Ext skpor;        // Cp, mean piston speed taken for the losses, m/s
    Ext k_tk;         // K, stroke-to-bore ratio S/D
    Ext delta;        // delta = StSzhatia / roh, subsequent expansion ratio
};

} // namespace tervox::calc
