// The game's folder: where maps, packs and the settings live, replaceable by tests.
#pragma once

#include <QString>

// The folder that holds the executable (the current folder when no application object exists),
// unless SetGameDir chose another.
QString GameDir();
// Makes every later file name relative to Dir; an empty Dir goes back to the default.
void SetGameDir(const QString& Dir);
// The full path of a name relative to the game's folder ("/" separates folders). An absolute
// name is taken as it is, so the command-line checker can open any file.
QString GamePath(const QString& Relative);

// Where FullPath leads with every symbolic link followed, a dangling one included (its target's
// folder is resolved, its name kept); empty when no existing folder can be found on the way.
QString ResolvedPath(const QString& FullPath);
// Whether FullPath, with every link followed, lies inside Folder, which may itself be reached
// through a link.
bool InsideFolder(const QString& Folder, const QString& FullPath);
bool InsideGameFolder(const QString& FullPath);
// The system text of a refused write through a link that leads out of the game's folder.
QString OutsideGameFolderText();
