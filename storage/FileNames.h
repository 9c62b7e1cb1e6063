// The file browser's rules without widgets: which files it lists and in what order, the names it
// builds, the characters it refuses in a name, and the texts of its status line.
#pragma once

#include "storage/MapFile.h"

#include <QList>
#include <QString>

// Folders are joined to file names with this separator in every name the game stores or passes.
inline constexpr QChar FolderSeparator = u'/';

inline const QString MapExtension = QStringLiteral(".vrm");
inline const QString PackExtension = QStringLiteral(".vrp");

// The file-name pattern a mode shows: "*.vr?", "*.vrm" or "*.vrp".
QString ModeFilter(TOpenSaveType Mode);
bool IsSaveMode(TOpenSaveType Mode);

// Whether a mode lists a file with this extension (compared in lower case), and as what.
bool ModeListsFile(TOpenSaveType Mode, const QString& Extension, bool& IsPack);

// The extension of Name as the game compares it: from its last dot on, dot included; empty
// when Name has no dot.
QString FileExtension(const QString& Name);

// The extension a new name gets: ".vrp" for a pack (a pack item, or a pack mode), else ".vrm".
QString DefaultExtension(TOpenSaveType Mode, bool PackItem);

// Folder alone when Name is empty; otherwise Folder + "/" + Name, followed by Extension unless
// Name already ends in it (letter case aside).
QString BuildFileName(const QString& Folder, const QString& Name, const QString& Extension);

// Characters no file name may hold: the control characters, the double quote, *, /, :, <, >,
// ?, \ and |. Keeping them out keeps a typed name inside its folder and portable to every
// system the game's files travel to.
bool IsForbiddenInFileName(QChar C);
// Name with each forbidden character, and each of its leading dots, replaced by "_".
QString ReplaceForbiddenChars(const QString& Name);

// Splits a stored name "folder/name.ext" into the last component of its folder part and its
// file part ("" and the name when there is no folder).
void SplitFileName(const QString& FileName, QString& Folder, QString& Name);

// The order of the browser's tree: accents and letter case aside, runs of digits by their value
// ("Niveau 2" before "Niveau 10"), and an exact comparison to settle what is still equal.
bool TreeTextLess(const QString& A, const QString& B);

// One file the browser lists: its item text (the name without extension) and its name on disk.
struct TListedFile {
    QString Text;
    QString DiskName;
    bool IsPack = false;
};

// One sub-folder of the game folder with the files it lists, sorted.
struct TListedFolder {
    QString Name;
    QList<TListedFile> Files;
};

// The sub-folders of Dir (symbolic links and hidden entries left out, and files that link out of
// Dir) with the maps and packs
// that Mode lists in each, everything in tree order, so nothing depends on the order in which
// the file system happens to return names.
QList<TListedFolder> ListGameFolder(const QString& Dir, TOpenSaveType Mode);

// The status line after listing: the numbers of folders, maps and packs in words.
QString FolderSummary(TOpenSaveType Mode, int Folders, int Maps, int Packs);
// The status line of a map's preview: the length of its stored solution.
QString SolutionSummary(const QString& Solution);
// The status line of a pack's preview.
QString PackSummary(unsigned MapNb);
