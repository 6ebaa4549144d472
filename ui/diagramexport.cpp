#include "diagramexport.h"

#include "diagramplot.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace tervox::ui {

namespace {

constexpr QSize kPngSize(1200, 840);
constexpr QSize kSvgSize(900, 630);

QString CannotWrite(const QString& path, const QString& why) {
    return QStringLiteral("Could not write %1: %2").arg(path, why);
}

QString Commit(QSaveFile& file, const QByteArray& bytes) {
    if (!file.open(QIODevice::WriteOnly))
        return CannotWrite(file.fileName(), file.errorString());
    if (file.write(bytes) != bytes.size() || !file.commit())
        return CannotWrite(file.fileName(), file.errorString());
    return {};
}

} // namespace

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

    QByteArray bytes;
    if (*format == DiagramFileFormat::Csv) {
        bytes = QByteArray::fromStdString(
            calc::DiagramCsv(diagram, decimalSeparator.toStdString()));
    } else {
        DiagramPlot plot(diagram, decimalSeparator);
        plot.setLogarithmic(logarithmic);
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (*format == DiagramFileFormat::Png) {
            QImage image(kPngSize, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            plot.paint(painter, QRectF(QPointF(0, 0), QSizeF(kPngSize)));
            painter.end();
            if (!image.save(&buffer, "PNG"))
                return CannotWrite(path, QStringLiteral("the picture could not be encoded"));
        } else {
            QSvgGenerator svg;
            svg.setOutputDevice(&buffer);
            svg.setSize(kSvgSize);
            svg.setViewBox(QRect(QPoint(0, 0), kSvgSize));
            svg.setTitle(QStringLiteral("Indicator diagram"));
            svg.setDescription(QStringLiteral("Tervox Engine calc: p-V diagram of a run"));
            QPainter painter;
            if (!painter.begin(&svg))
                return CannotWrite(path, QStringLiteral("the picture could not be drawn"));
            plot.paint(painter, QRectF(QPointF(0, 0), QSizeF(kSvgSize)));
            painter.end();
        }
    }
    QSaveFile file(path);
    return Commit(file, bytes);
}

} // namespace tervox::ui
