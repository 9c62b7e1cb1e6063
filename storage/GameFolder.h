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
