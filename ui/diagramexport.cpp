#include "diagramexport.h"

#include "diagramplot.h"
#include "plotfile.h"

#include <QFileInfo>

namespace tervox::ui {

std::optional<DiagramFileFormat> DiagramFileFormatOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return DiagramFileFormat::Png;
    if (suffix == QLatin1String("svg"))
        return DiagramFileFormat::Svg;
    if (suffix == QLatin1String("csv"))
        return DiagramFileFormat::Csv;
    return std::nullopt;
}

QString WriteDiagramFile(const calc::IndicatorDiagram& diagram, bool logarithmic,
                         const QString& decimalSeparator, const QString& path) {
    const auto format = DiagramFileFormatOf(path);
    if (!format)
        return CannotWrite(path, QStringLiteral("the name must end in .png, .svg or .csv"));
    if (!diagram.ok())
        return QString::fromStdString(diagram.failure);

    if (*format == DiagramFileFormat::Csv)
        return WriteFileWhole(path, QByteArray::fromStdString(
                                        calc::DiagramCsv(diagram, decimalSeparator.toStdString())));
    DiagramPlot plot(diagram, decimalSeparator);
    plot.setLogarithmic(logarithmic);
    return WritePictureFile(
        path, *format == DiagramFileFormat::Png ? PictureFormat::Png : PictureFormat::Svg,
        [&plot](QPainter& painter, const QRectF& area) { plot.paint(painter, area); },
        {QStringLiteral("Indicator diagram"),
         QStringLiteral("Tervox Engine calc: p-V diagram of a run")});
}

} // namespace tervox::ui
