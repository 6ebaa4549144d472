#pragma once

#include <QByteArray>
#include <QRectF>
#include <QString>

#include <functional>

class QPainter;

namespace tervox::ui {

enum class PictureFormat { Png, Svg };

// Paints a whole picture into area (white background included).
using PlotPainter = std::function<void(QPainter& painter, const QRectF& area)>;

// What an SVG drawing says about itself in its <title> and <desc>.
struct PictureCaption {
    QString title;
    QString description;
};

// "Could not write <path>: <why>", the sentence every export failure is reported with.
QString CannotWrite(const QString& path, const QString& why);

// Writes bytes to path through a QSaveFile, so that the file appears whole or not at
// all. Returns an empty string on success, otherwise a CannotWrite sentence.
QString WriteFileWhole(const QString& path, const QByteArray& bytes);

// Paints a picture (PNG 1200 x 840 pixels on white, or SVG 900 x 630 with the
// caption given) and writes it to path whole. Returns an empty string on success,
// otherwise a CannotWrite sentence. Needs a QGuiApplication (fonts).
QString WritePictureFile(const QString& path, PictureFormat format, const PlotPainter& paint,
                         const PictureCaption& caption);

} // namespace tervox::ui
