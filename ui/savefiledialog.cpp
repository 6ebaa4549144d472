#include "savefiledialog.h"

#include "diagramexport.h"

#include <QFileDialog>
#include <QStandardPaths>

namespace tervox::ui {

namespace {

QString InDocuments(const QString& fileName) {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QLatin1Char('/') +
           fileName;
}

} // namespace

QString AskPicturePath(QWidget* parent, const QString& caption, const QString& fileName) {
    QString selected;
    QString path = QFileDialog::getSaveFileName(
        parent, caption, InDocuments(fileName),
        QStringLiteral("PNG picture (*.png);;SVG drawing (*.svg)"), &selected);
    if (path.isEmpty())
        return path;
    // A name without a known extension takes the one of the chosen filter.
    const auto format = DiagramFileFormatOf(path);
    if (!format || *format == DiagramFileFormat::Csv)
        path += selected.contains(QLatin1String("svg")) ? QStringLiteral(".svg")
                                                        : QStringLiteral(".png");
    return path;
}

QString AskTablePath(QWidget* parent, const QString& caption, const QString& fileName) {
    QString path = QFileDialog::getSaveFileName(parent, caption, InDocuments(fileName),
                                                QStringLiteral("Table (*.csv)"));
    if (path.isEmpty())
        return path;
    if (DiagramFileFormatOf(path) != DiagramFileFormat::Csv)
        path += QStringLiteral(".csv");
    return path;
}

} // namespace tervox::ui
