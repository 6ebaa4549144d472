#pragma once

#include "indicatordiagram.h"

#include <QString>

#include <optional>

namespace tervox::ui {

enum class DiagramFileFormat { Png, Svg, Csv };

// The format a file name asks for by its extension (.png, .svg, .csv, any case).
std::optional<DiagramFileFormat> DiagramFileFormatOf(const QString& path);

// Writes the diagram to path in the format its extension names: the picture (PNG
// 1200 x 840 pixels, or SVG) as the window paints it, linear or logarithmic, or the
// table of curves and points. Numbers are written with the decimal separator given.
// The file appears whole or not at all. Returns an empty string on success,
// otherwise a sentence naming the file and the reason. Needs a QGuiApplication for
// the pictures (fonts).
QString WriteDiagramFile(const calc::IndicatorDiagram& diagram, bool logarithmic,
                         const QString& decimalSeparator, const QString& path);

} // namespace tervox::ui
