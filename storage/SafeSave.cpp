// Writes a whole file through a temporary file and a rename, checking every step.
#include "storage/SafeSave.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

QString WriteErrorText(const QString& FullPath, const QString& SystemError) {
    return QStringLiteral("Erreur lors de l'écriture du fichier\r\n") +
           QDir::toNativeSeparators(FullPath) + QStringLiteral("\r\n") + SystemError;
}

QString NotRegularFileText() {
    return QStringLiteral("ce n'est pas un fichier ordinaire");
}

bool IsSpecialFile(const QString& FullPath) {
    const QFileInfo info(FullPath);
    return info.exists() && !info.isFile();
}

bool SaveFileAtomically(const QString& FullPath, const QByteArray& Data, TMessenger& Messenger) {
    auto fail = [&](const QString& SystemError) {
        Messenger.ShowMsg(WriteErrorText(FullPath, SystemError), mtError);
        return false;
    };
    const QFileInfo info(FullPath);
    if (info.exists()) {
        // Opening a FIFO would wait for a reader forever; a folder or a device is no map.
        if (!info.isFile()) return fail(NotRegularFileText());
        // Replacing a file goes through a rename, which a read-only file would not stop: ask
        // the file itself whether it may be written.
        QFile probe(FullPath);
        if (!probe.open(QIODevice::WriteOnly | QIODevice::Append)) return fail(probe.errorString());
    }
    QSaveFile file(FullPath);
    // Unbuffered, so that a full disk shows in write() itself rather than in a final flush
    // whose failure commit() would not notice.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return fail(file.errorString());
    const auto cancel = [&] {
        const QString error = file.errorString();
        file.cancelWriting();
        return fail(error);
    };
    if (file.write(Data) != Data.size()) return cancel();
    if (!file.flush() || file.error() != QFileDevice::NoError) return cancel();
    if (!file.commit()) return fail(file.errorString());
    return true;
}
