// Resolves the game's file names against the executable's folder or the folder a test chose.
#include "storage/GameFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

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

QString ResolvedPath(const QString& FullPath) {
    QString path = QDir::cleanPath(QFileInfo(FullPath).absoluteFilePath());
    // A chain of links longer than the system's own limit is a loop.
    for (int hops = 0; hops < 40; ++hops) {
        const QFileInfo info(path);
        if (info.exists()) return info.canonicalFilePath();
        if (!info.isSymLink()) {
            // Not there yet (a new file): its folder decides where it would go.
            const QString folder = info.absoluteDir().canonicalPath();
            return folder.isEmpty() ? QString() : folder + QLatin1Char('/') + info.fileName();
        }
        path = QDir::cleanPath(info.symLinkTarget());
    }
    return {};
}

bool InsideFolder(const QString& Folder, const QString& FullPath) {
    const QString root = QFileInfo(Folder).canonicalFilePath();
    const QString resolved = ResolvedPath(FullPath);
    if (root.isEmpty() || resolved.isEmpty()) return false;
    return resolved.startsWith(root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/'));
}

bool InsideGameFolder(const QString& FullPath) {
    return InsideFolder(GameDir(), FullPath);
}

QString OutsideGameFolderText() {
    return QStringLiteral("ce lien mène hors du dossier du jeu");
}
