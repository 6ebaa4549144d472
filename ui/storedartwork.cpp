#include "storedartwork.h"

#include <QFile>
#include <QPainter>
#include <QtGlobal>

#include <cstdint>

namespace tervox::ui {

QImage StoredPicture(const QString& resourcePath, QSize designSize) {
    QImage picture(resourcePath);
    if (!picture.isNull())
        return picture;
    qWarning("Picture %s is missing from this build; showing a placeholder",
             qPrintable(resourcePath));
    QImage placeholder(designSize, QImage::Format_RGB32);
    placeholder.fill(QColor(160, 160, 160));
    QPainter painter(&placeholder);
    painter.setPen(QColor(96, 96, 96));
    painter.drawRect(placeholder.rect().adjusted(0, 0, -1, -1));
    return placeholder;
}

std::optional<maskdata::Mask> StoredMask(const QString& resourcePath) {
    QFile file(resourcePath);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray data = file.readAll();
    return maskdata::DecodeMask(reinterpret_cast<const std::uint8_t*>(data.constData()),
                                static_cast<std::size_t>(data.size()));
}

} // namespace tervox::ui
