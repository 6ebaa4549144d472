#include "datafolder.h"

#include <QDir>
#include <QFileInfo>

namespace tervox::app {

namespace {
bool HoldsSoundTrack(const QString& folder) {
    return QFileInfo(QDir(folder).filePath(QString::fromLatin1(kSoundTrack))).isFile();
}
} // namespace

QStringList DataFolders(const QString& executableDir) {
    const QDir bin(executableDir);
    // TERVOX_DATA_FROM_BIN: the installed data folder relative to the installed
    // program's folder, worked out by the build from the install layout.
    return {bin.absolutePath(), QDir::cleanPath(bin.absoluteFilePath(QStringLiteral(TERVOX_DATA_FROM_BIN)))};
}

QString ChooseWorkingDirectory(const QString& currentDir, const QStringList& dataFolders) {
    if (HoldsSoundTrack(currentDir))
        return currentDir;
    for (const QString& folder : dataFolders)
        if (HoldsSoundTrack(folder))
            return folder;
    return currentDir;
}

QString EnterWorkingDirectory(const QString& executableDir) {
    const QString current = QDir::currentPath();
    const QString chosen = ChooseWorkingDirectory(current, DataFolders(executableDir));
    if (chosen != current)
        QDir::setCurrent(chosen);
    return QDir::currentPath();
}

} // namespace tervox::app
