#include "platformsettings.h"

#include <QDir>
#include <QLocale>
#include <QStandardPaths>

namespace tervox::platform {

report::RegionalSettings SystemRegionalSettings() {
    const QLocale locale = QLocale::system();
    report::RegionalSettings settings;
    settings.decimalSeparator = locale.decimalPoint().toStdString();
    settings.shortDateFormat = locale.dateFormat(QLocale::ShortFormat).toStdString();
    return settings;
}

QString DefaultReportPath() {
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        documents = QDir::homePath();
    return QDir(documents).filePath(QStringLiteral("Tervox/result.txt"));
}

} // namespace tervox::platform
