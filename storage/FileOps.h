// The file operations the file browser performs on the game folder, behind one seam so tests can
// make any of them fail.
#pragma once

#include <QString>

// Paths are full paths. A symbolic link counts as the link itself: removing or renaming one
// acts on the link, never on what it points to.
class TFileOps {
public:
    virtual ~TFileOps() = default;
    // A folder is there (a link to a folder counts).
    virtual bool FolderExists(const QString& Path) const;
    // A file or a symbolic link is there.
    virtual bool FileExists(const QString& Path) const;
    // Anything at all is there, a dangling link included.
    virtual bool EntryExists(const QString& Path) const;
    // The folder holds nothing, hidden entries included.
    virtual bool FolderIsEmpty(const QString& Path) const;
    virtual bool CreateFolder(const QString& Path);
    // Renames a file or a folder in place; never replaces what already has the new name and
    // never copies.
    virtual bool Rename(const QString& From, const QString& To);
    virtual bool RemoveFile(const QString& Path);
    // Removes a folder only when it is empty.
    virtual bool RemoveEmptyFolder(const QString& Path);
};

// The operations on the disk.
TFileOps& DiskFileOps();
