#pragma once

namespace tervox::calc {

// Gasoline when the radio button "Бензиновый" is checked, Diesel otherwise.
enum class EngineType { Gasoline, Diesel };

} // namespace tervox::calc
