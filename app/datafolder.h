#pragma once

#include <QString>
#include <QStringList>

namespace tervox::app {

// The sound track, named relative to the working directory.
inline constexpr char kSoundTrack[] = "ovix.dat";

// The folders that may hold the program's data, best first: the executable's own
// folder (the build tree keeps the sound track next to the program) and the installed
// data folder (<prefix>/share/tervox beside <prefix>/bin).
QStringList DataFolders(const QString& executableDir);

// The folder to work in: the current one if it holds the sound track, else the first
// data folder that does; the current one again when none does (start-up then says
// that the track is missing).
QString ChooseWorkingDirectory(const QString& currentDir, const QStringList& dataFolders);

// Changes to the chosen folder. Returns the working directory in force afterwards.
QString EnterWorkingDirectory(const QString& executableDir);

} // namespace tervox::app
