#pragma once

#include "cycleresults.h"
#include "engineinput.h"
#include "fuelproperties.h"

namespace tervox::calc {

// The program-wide calculation state: one of each record for the life of the
// program, all zero at start, overwritten in place by every run. A run that stops
// leaves the fields it reached updated and the rest as earlier runs left them.
struct CalcState {
    EngineInput input;
    FuelProperties fuel;
    CycleResults results;
};

} // namespace tervox::calc
