#include "fuelproperties.h"

namespace tervox::calc {

void SelectFuelProperties(EngineType type, FuelProperties& fuel) {
    // Mean compositions of motor gasoline and diesel fuel from the engine-theory
    // textbooks: carbon and hydrogen mass fractions, lower heating value and the
    // stoichiometric air in kmol and in kg per kg of fuel.
    if (type == EngineType::Gasoline) {
        fuel.Lo = Ext(0.516L);
        fuel.gc = Ext(0.855L);
        fuel.gh = Ext(0.145L);
        fuel.Hu = Ext(44.0L);
        fuel.l0 = Ext(14.96L);
    } else {
        fuel.Lo = Ext(0.498L);
        fuel.gc = Ext(0.872L);
        fuel.gh = Ext(0.128L);
        fuel.Hu = Ext(42.6L);
        fuel.l0 = Ext(14.56L);
    }
}

} // namespace tervox::calc
