#pragma once

#include "enginetype.h"
#include "ext.h"

namespace tervox::calc {

// The fuel constants of one engine type.
struct FuelProperties {
    Ext Lo; // theoretical air, kmol per kg of fuel
    Ext gc; // carbon mass fraction
    Ext gh; // hydrogen mass fraction
    Ext Hu; // lower heating value, MJ/kg
    Ext l0; // theoretical air, kg per kg of fuel
};

// Sets the five constants to the textbook values of the engine type's fuel.
void SelectFuelProperties(EngineType type, FuelProperties& fuel);

} // namespace tervox::calc
