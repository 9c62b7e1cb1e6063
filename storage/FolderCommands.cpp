// Runs the file browser's folder commands on the game folder and words their questions and errors.
#include "storage/FolderCommands.h"

#include "storage/FileNames.h"
#include "storage/FileOps.h"
#include "storage/GameFolder.h"
#include "rules/Messages.h"

TFolderCommands::TFolderCommands(TMessenger& MessageSink, TFileOps& Disk)
    : Messenger(MessageSink), FileOps(Disk) {}

QString TFolderCommands::FullPath(const QString& Name) {
    return GameDir() + FolderSeparator + Name;
}

bool TFolderCommands::CreateFolder(const QString& Name) {
    const QString path = FullPath(Name);
    if (FileOps.FolderExists(path)) {
        Messenger.ShowMsg(QStringLiteral("Le dossier ") + Name + QStringLiteral("\r\nexiste déjà"),
                          mtError);
        return false;
    }
    if (!FileOps.CreateFolder(path)) {
        Messenger.ShowMsg(QStringLiteral("Impossible de créer le dossier\r\n") + Name, mtError);
        return false;
    }
    return true;
}

bool TFolderCommands::Rename(const QString& FileName, const QString& Folder, const QString& NewName,
                             const QString& Extension) {
    const bool isFile = !Folder.isEmpty();
    const QString kind = isFile ? QStringLiteral("Le fichier ") : QStringLiteral("Le dossier ");
    const QString folderPart = isFile ? Folder + FolderSeparator : QString();
    const QString newPath = FullPath(folderPart + NewName + Extension);
    const bool taken = isFile ? FileOps.FileExists(newPath) : FileOps.EntryExists(newPath);
    if (taken) {
        Messenger.ShowMsg(kind + NewName + Extension + QStringLiteral("\r\nexiste déjà"), mtError);
        return false;
    }
    if (!FileOps.Rename(FullPath(FileName), newPath)) {
        Messenger.ShowMsg(kind + FileName + QStringLiteral("\r\nne peut pas être renommé"),
                          mtError);
        return false;
    }
    return true;
}

TDeleteOutcome TFolderCommands::DeleteFolderFiles(const QString& Folder,
                                                  const QStringList& DiskNames,
                                                  const std::function<void()>& Removed) {
    if (Messenger.ShowMsg(QStringLiteral("🗑 Supprimer les tableaux et packs du dossier ") +
                              Folder + QStringLiteral(" ?"),
                          mtQuestion) != mrYes)
        return TDeleteOutcome::Declined;
    for (const QString& name : DiskNames) {
        const QString path = Folder + FolderSeparator + name;
        const QString full = FullPath(path);
        if (FileOps.FileExists(full) && !FileOps.RemoveFile(full)) {
            Messenger.ShowMsg(QStringLiteral("Le fichier ") + path +
                                  QStringLiteral("\r\nne peut pas être supprimé"),
                              mtError);
            return TDeleteOutcome::Failed;
        }
        if (Removed) Removed();
    }
    return TDeleteOutcome::Deleted;
}

TDeleteOutcome TFolderCommands::DeleteEmptyFolder(const QString& Folder) {
    const QString full = FullPath(Folder);
    if (!FileOps.FolderExists(full)) return TDeleteOutcome::Deleted;
    if (!FileOps.FolderIsEmpty(full)) {
        Messenger.ShowMsg(
            QStringLiteral("Le dossier ") + Folder +
                QStringLiteral("\r\ncontient des fichiers et ne peut pas être supprimé"),
            mtError);
        return TDeleteOutcome::Failed;
    }
    if (Messenger.ShowMsg(QStringLiteral("🗑 Supprimer le dossier vide ") + Folder +
                              QStringLiteral(" ?"),
                          mtQuestion) != mrYes)
        return TDeleteOutcome::Declined;
    if (!FileOps.RemoveEmptyFolder(full)) {
        Messenger.ShowMsg(QStringLiteral("Le dossier ") + Folder +
                              QStringLiteral("\r\nne peut pas être supprimé"),
                          mtError);
        return TDeleteOutcome::Failed;
    }
    return TDeleteOutcome::Deleted;
}

TDeleteOutcome TFolderCommands::DeleteFile(const QString& FileName, bool IsMap) {
    const QString what = IsMap ? QStringLiteral("tableau") : QStringLiteral("pack");
    if (Messenger.ShowMsg(QStringLiteral("🗑 Supprimer le ") + what + QStringLiteral("\r\n") +
                              FileName + QStringLiteral(" ?"),
                          mtQuestion) != mrYes)
        return TDeleteOutcome::Declined;
    const QString full = FullPath(FileName);
    if (FileOps.FileExists(full) && !FileOps.RemoveFile(full)) {
        Messenger.ShowMsg(QStringLiteral("Le fichier ") + FileName +
                              QStringLiteral(" ne peut pas être supprimé"),
                          mtError);
        return TDeleteOutcome::Failed;
    }
    return TDeleteOutcome::Deleted;
}
