#include "sweepexport.h"

#include "diagramexport.h"
#include "plotfile.h"
#include "sweepplot.h"

namespace tervox::ui {

QString WriteSweepFile(const SweepStudy& study, const QString& decimalSeparator,
                       const QString& path) {
    const auto format = DiagramFileFormatOf(path);
    if (!format)
        return CannotWrite(path, QStringLiteral("the name must end in .png, .svg or .csv"));
    if (!study.ok())
        return QString::fromStdString(study.failure);
    if (study.points.empty())
        return QStringLiteral("There is no study to save: press Sweep first.");

    if (*format == DiagramFileFormat::Csv)
        return WriteFileWhole(
            path, QByteArray::fromStdString(SweepStudyCsv(study, decimalSeparator.toStdString())));
    SweepPlot plot(study, decimalSeparator);
    return WritePictureFile(
        path, *format == DiagramFileFormat::Png ? PictureFormat::Png : PictureFormat::Svg,
        [&plot](QPainter& painter, const QRectF& area) { plot.paint(painter, area); },
        {QStringLiteral("Design study"),
         QStringLiteral("Tervox Engine calc: Pe, eta_e, ge and D over one input")});
}

} // namespace tervox::ui
