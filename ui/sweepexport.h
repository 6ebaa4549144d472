#pragma once

#include "sweepstudy.h"

#include <QString>

namespace tervox::ui {

// Writes a design study to path in the format its extension names (.png, .svg or
// .csv, any case): the picture (PNG 1200 x 840 pixels, or SVG) as the panel paints
// it, or the table of points (SweepStudyCsv). Numbers are written with the decimal
// separator given. The file appears whole or not at all. Returns an empty string on
// success, otherwise a sentence naming the file and the reason. Needs a
// QGuiApplication for the pictures (fonts).
QString WriteSweepFile(const SweepStudy& study, const QString& decimalSeparator,
                       const QString& path);

} // namespace tervox::ui
