#include "plotfile.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace tervox::ui {

namespace {

constexpr QSize kPngSize(1200, 840);
constexpr QSize kSvgSize(900, 630);

} // namespace

QString CannotWrite(const QString& path, const QString& why) {
    return QStringLiteral("Could not write %1: %2").arg(path, why);
}

QString WriteFileWhole(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return CannotWrite(path, file.errorString());
    if (file.write(bytes) != bytes.size() || !file.commit())
        return CannotWrite(path, file.errorString());
    return {};
}

QString WritePictureFile(const QString& path, PictureFormat format, const PlotPainter& paint,
                         const PictureCaption& caption) {
    // Drawn in memory first: a picture that cannot be drawn leaves no file behind.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (format == PictureFormat::Png) {
        QImage image(kPngSize, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        paint(painter, QRectF(QPointF(0, 0), QSizeF(kPngSize)));
        painter.end();
        if (!image.save(&buffer, "PNG"))
            return CannotWrite(path, QStringLiteral("the picture could not be encoded"));
    } else {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(kSvgSize);
        svg.setViewBox(QRect(QPoint(0, 0), kSvgSize));
        svg.setTitle(caption.title);
        svg.setDescription(caption.description);
        QPainter painter;
        if (!painter.begin(&svg))
            return CannotWrite(path, QStringLiteral("the picture could not be drawn"));
        paint(painter, QRectF(QPointF(0, 0), QSizeF(kSvgSize)));
        painter.end();
    }
    return WriteFileWhole(path, bytes);
}

} // namespace tervox::ui
