// The file browser's folder commands without widgets: create a folder, rename a folder or a file,
// delete files and folders, with the questions they ask and the errors they report.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class TFileOps;
class TMessenger;

// How a deletion ended: done, refused by the player, or stopped by an error already reported.
enum class TDeleteOutcome { Deleted, Declined, Failed };

// Names are relative to the game folder: "folder" or "folder/name.ext".
class TFolderCommands {
public:
    TFolderCommands(TMessenger& Messenger, TFileOps& FileOps);

    // Creates folder Name straight in the game folder; false (and said why) when it exists or
    // cannot be made.
    bool CreateFolder(const QString& Name);
    // Renames FileName to NewName + Extension beside it: a file of Folder when Folder is given,
    // else a folder of the game folder. False (and said why) when the name is taken or the
    // rename fails.
    bool Rename(const QString& FileName, const QString& Folder, const QString& NewName,
                const QString& Extension);
    // Asks, then deletes the listed maps and packs of Folder in their order, calling Removed
    // after each one is gone; the folder and anything else it holds stay.
    TDeleteOutcome DeleteFolderFiles(const QString& Folder, const QStringList& DiskNames,
                                     const std::function<void()>& Removed);
    // Deletes Folder when it is empty, after asking; one that no longer exists counts as gone
    // without a question.
    TDeleteOutcome DeleteEmptyFolder(const QString& Folder);
    // Asks, then deletes the map (IsMap) or pack FileName; one already gone counts as deleted.
    TDeleteOutcome DeleteFile(const QString& FileName, bool IsMap);

private:
    // The full path of a name relative to the game folder.
    static QString FullPath(const QString& Name);
    TMessenger& Messenger;
    TFileOps& FileOps;
};
