#include "sweepexport.h"

#include "diagramexport.h"
#include "sweepplot.h"

#include <QBuffer>
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

} // namespace

QString WriteSweepFile(const SweepStudy& study, const QString& decimalSeparator,
                       const QString& path) {
    const auto format = DiagramFileFormatOf(path);
    if (!format)
        return CannotWrite(path, QStringLiteral("the name must end in .png, .svg or .csv"));
    if (!study.ok())
        return QString::fromStdString(study.failure);
    if (study.points.empty())
        return QStringLiteral("There is no study to save: press Sweep first.");

    QByteArray bytes;
    if (*format == DiagramFileFormat::Csv) {
        bytes = QByteArray::fromStdString(SweepStudyCsv(study, decimalSeparator.toStdString()));
    } else {
        SweepPlot plot(study, decimalSeparator);
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
            svg.setTitle(QStringLiteral("Design study"));
            svg.setDescription(
                QStringLiteral("Tervox Engine calc: Pe, eta_e, ge and D over one input"));
            QPainter painter;
            if (!painter.begin(&svg))
                return CannotWrite(path, QStringLiteral("the picture could not be drawn"));
            plot.paint(painter, QRectF(QPointF(0, 0), QSizeF(kSvgSize)));
            painter.end();
        }
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return CannotWrite(path, file.errorString());
    if (file.write(bytes) != bytes.size() || !file.commit())
        return CannotWrite(path, file.errorString());
    return {};
}

} // namespace tervox::ui
