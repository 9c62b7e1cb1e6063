// Resolves the game's file names against the executable's folder or the folder a test chose.
#include "GameFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString& ChosenDir() {
    static QString dir;
    return dir;
}
} // namespace

QString GameDir() {
    if (!ChosenDir().isEmpty()) return ChosenDir();
    if (QCoreApplication::instance()) return QCoreApplication::applicationDirPath();
    return QDir::currentPath();
}

void SetGameDir(const QString& Dir) {
    ChosenDir() = Dir;
}

QString GamePath(const QString& Relative) {
    if (QDir::isAbsolutePath(Relative)) return Relative;
    return GameDir() + QLatin1Char('/') + Relative;
}
