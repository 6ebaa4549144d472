#pragma once

#include "fieldtexts.h"

#include <QString>

namespace tervox::ui {

// How a study names one of the calculator's inputs: the textbook symbol, a few words
// of meaning and the unit (empty for a ratio or coefficient).
struct SweepInputLabel {
    QString symbol;  // "ε"
    QString meaning; // "compression ratio"
    QString unit;    // "min⁻¹", "" for none
};

SweepInputLabel InputLabel(calc::FieldId field);

// "ε - compression ratio (StSzhatia)": the entry of the input chooser.
QString InputChoiceText(calc::FieldId field);
// "ε, compression ratio" or "n, rated speed, min⁻¹": the caption of a study's axis.
QString InputAxisText(calc::FieldId field);

} // namespace tervox::ui
