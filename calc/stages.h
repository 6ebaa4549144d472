#pragma once

#include "cycleresults.h"
#include "engineinput.h"
#include "enginetype.h"
#include "entrywriter.h"
#include "fuelproperties.h"

namespace tervox::calc {

// The four computing stages of a run, in their order. Each stores its quantities in
// the results and hands each to the writer right after computing it; an arithmetic
// fault throws FloatingPointError with nothing of the failing quantity stored.

// Air, fresh charge, combustion products and their fractions, mu0.
void ComputeChargeAndProducts(EngineType type, const EngineInput& in, const FuelProperties& fuel,
                              CycleResults& r, EntryWriter& out);

// Intake density, residual gases, end of intake, filling, end of compression.
void ComputeGasExchange(const EngineInput& in, CycleResults& r, EntryWriter& out);

// Incomplete-combustion loss, working-mixture heating value, molecular change,
// the user's combustion state, end of expansion, residual-gas temperature check.
void ComputeCombustionAndExpansion(EngineType type, const EngineInput& in,
                                   const FuelProperties& fuel, CycleResults& r, EntryWriter& out);

// Mean pressures, efficiencies, fuel consumption, displacement, bore, stroke,
// piston speed.
void ComputePerformanceAndSizing(EngineType type, const EngineInput& in,
                                 const FuelProperties& fuel, CycleResults& r, EntryWriter& out);

} // namespace tervox::calc
